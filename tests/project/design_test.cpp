// Designing from the room: the supply air for a room's loads, mixing by flows, figures taken
// from other states, and chains that must close on a state already known.
#include <gtest/gtest.h>

#include <cmath>

#include "process/loads.hpp"
#include "project/project_reader.hpp"
#include "project/solve_project.hpp"

namespace vaporel {
namespace {

// The project solved, or the message of what refused it.
std::variant<SolvedProject, std::string> Outcome(const std::string& text) {
  auto read = ReadProject(text, "p.toml");
  if (auto* error = std::get_if<ProjectError>(&read)) return error->message();
  auto solved = SolveProject(std::get<Project>(read), "p.toml");
  if (auto* error = std::get_if<ProjectError>(&solved)) return error->message();
  return std::get<SolvedProject>(std::move(solved));
}

SolvedProject Solved(const std::string& text) {
  auto run = Outcome(text);
  if (auto* message = std::get_if<std::string>(&run)) ADD_FAILURE() << *message;
  return std::get<SolvedProject>(std::move(run));
}

const SolvedState& Named(const SolvedProject& project, const std::string& name) {
  for (const SolvedState& s : project.states) {
    if (s.name == name) return s;
  }
  throw std::runtime_error("no state " + name);
}

const std::string kRoom = "pressure = 1.01325\n[states.room]\ntdb = 24.0\nRH = 50.0\n";

// The Handbook's adiabatic mixing of 2 m³/s of air at 4 °C, 2 °C wet bulb with 6.25 m³/s at
// 25 °C, 50 %: about 19.5 °C and 14.6 °C wet bulb read off its chart.
TEST(Design, MixingByVolumeFlowsMatchesTheHandbooksExample) {
  const std::string inlets =
      "pressure = 1.01325\n[states.a]\ntdb = 4.0\ntwb = 2.0\n[states.b]\ntdb = 25.0\nRH = 50.0\n"
      "[[processes]]\nmix = [\"a\", \"b\"]\n";
  const SolvedProject both = Solved(inlets + "flows = [7200.0, 22500.0]\ninto = \"m\"\n");
  const AirState& m = Named(both, "m").state;
  EXPECT_NEAR(m.tdb, 19.5, 0.2);
  EXPECT_NEAR(m.twb, 14.6, 0.2);
  EXPECT_NEAR(*Named(both, "m").massFlow, *Named(both, "a").massFlow + *Named(both, "b").massFlow, 1e-12);
  // The second inlet left out takes the rest of the flow fixed downstream.
  const double total = *Named(both, "m").massFlow;
  const SolvedProject rest = Solved(
      inlets + "flows = [7200.0]\ninto = \"m\"\n[airflow]\nstate = \"m\"\nmass = " + std::to_string(total) + "\n");
  EXPECT_NEAR(Named(rest, "m").state.tdb, m.tdb, 1e-6);
}

// The supply air takes up exactly the loads given, by each of its three figures, and the loads
// come back as given in the process's row.
TEST(Design, SupplyAirTakesUpTheRoomsLoads) {
  for (const std::string supply : {"supply_tdb = 13.5", "supply_mass = 1.5", "supply_volume = 4500.0"}) {
    std::string text = kRoom + "[[processes]]\nspace = \"room\"\nsensible = 18.0\nlatent = 4.5\n";
    text += supply + "\ninto = \"supply\"\n";
    const SolvedProject p = Solved(text);
    const SolvedState& s = Named(p, "supply");
    const process::Loads& loads = p.processes.front().loads;
    EXPECT_NEAR(loads.sensible, 18, 1e-9) << supply;
    EXPECT_NEAR(loads.latent, 4.5, 1e-9) << supply;
    EXPECT_LT(s.state.tdb, 24) << supply;
    if (supply.starts_with("supply_tdb")) {
      EXPECT_EQ(s.state.tdb, 13.5);
    } else if (supply.starts_with("supply_mass")) {
      EXPECT_EQ(*s.massFlow, 1.5);
    } else {
      EXPECT_NEAR(*p.processes.front().volumeFlow, 4500, 1e-6);
    }
  }
  // Winter: heat lost, the supply warmer than the room.
  const SolvedProject winter = Solved(
      kRoom + "[[processes]]\nspace = \"room\"\nsensible = -10.0\nlatent = 1.0\nsupply_tdb = 35.0\ninto = \"s\"\n");
  EXPECT_NEAR(winter.processes.front().loads.sensible, -10, 1e-9);
}

// Outdoor air by volume and return air for the rest, a coil to the supply's moisture and a
// reheat into the supply the room's loads asked for.
TEST(Design, TheChainClosesOnTheSupply) {
  const SolvedProject p = Solved(
      "pressure = 1.01325\n[states.outdoor]\ntdb = 32.0\nRH = 40.0\n[states.office]\ntdb = 24.0\nRH = 50.0\n"
      "[[processes]]\nspace = \"office\"\nsensible = 18.0\nlatent = 4.5\nsupply_tdb = 14.0\ninto = \"supply\"\n"
      "[[processes]]\nmix = [\"outdoor\", \"office\"]\nflows = [2000.0]\ninto = \"mixed\"\n"
      "[[processes]]\ncoil = \"mixed\"\nx = \"supply.x\"\nRH = 95.0\ninto = \"off-coil\"\n"
      "[[processes]]\nheat = \"off-coil\"\ninto = \"supply\"\n");
  EXPECT_EQ(p.states.size(), 5u);
  EXPECT_EQ(Named(p, "off-coil").state.x, Named(p, "supply").state.x);
  EXPECT_NEAR(Named(p, "off-coil").state.RH, 95, 1e-9);
  const double supply = *Named(p, "supply").massFlow;
  EXPECT_NEAR(*Named(p, "mixed").massFlow, supply, 1e-12);
  EXPECT_NEAR(*Named(p, "outdoor").massFlow + *Named(p, "office").massFlow, supply, 1e-12);
  EXPECT_NEAR(*Named(p, "outdoor").massFlow * process::SpecificVolume(Named(p, "outdoor").state) * 3600, 2000, 1e-9);
}

// Both streams of a recovery keep their water and energy; what the exhaust cannot hold is
// drained, and below 0 °C it freezes.
TEST(Design, RecoveryBalancesBothStreamsAndDrainsTheExhaust) {
  const std::string states =
      "pressure = 1.01325\n[states.out]\ntdb = -20.0\nRH = 80.0\n[states.room]\ntdb = 22.0\nRH = 45.0\n";
  const SolvedProject p = Solved(states +
                                 "[[processes]]\nrecover = [\"out\", \"room\"]\nsensible_effectiveness = 0.8\n"
                                 "latent_effectiveness = 0.3\nmass_flows = [1.0, 0.9]\ninto = [\"s\", \"e\"]\n");
  const AirState &s1 = Named(p, "out").state, &e1 = Named(p, "room").state;
  const AirState &s2 = Named(p, "s").state, &e2 = Named(p, "e").state;
  const SolvedProcess& recovery = p.processes.front();
  const double condensedPerSecond = *recovery.exhaustCondensate / 3600;
  EXPECT_NEAR(1.0 * (s2.h - s1.h), 0.9 * (e1.h - e2.h), 1e-9);
  EXPECT_NEAR(1.0 * (s2.x - s1.x) + condensedPerSecond, 0.9 * (e1.x - e2.x), 1e-12);
  EXPECT_GT(condensedPerSecond, 0);
  EXPECT_NEAR(e2.RH, 100, 1e-6);
  EXPECT_LT(e2.tdb, 0);
  ASSERT_EQ(recovery.warnings.size(), 1u);
  EXPECT_NE(recovery.warnings.front().find("frost"), std::string::npos);
  EXPECT_NEAR(recovery.loads.total, s2.h - s1.h, 1e-12);

  // Without flows of its own it carries the project's through its supply side; the exhaust
  // side, reached by none, counts as balanced.
  const SolvedProject carried = Solved(states +
                                       "[[processes]]\nrecover = [\"out\", \"room\"]\nsensible_effectiveness = 0.6\n"
                                       "into = [\"s\", \"e\"]\n[airflow]\nstate = \"s\"\nmass = 2.0\n");
  EXPECT_EQ(*Named(carried, "out").massFlow, 2.0);
  EXPECT_FALSE(Named(carried, "room").massFlow);
  EXPECT_NEAR(Named(carried, "s").state.tdb, -20 + 0.6 * 42, 1e-9);
  EXPECT_EQ(Named(carried, "s").state.x, Named(carried, "out").state.x);
}

// Each refusal names its cause at the key or process that causes it.
TEST(Design, RefusalsSayWhereAndWhy) {
  const std::string space = kRoom + "[[processes]]\nspace = \"room\"\nsensible = 18.0\n";
  const std::string mix = kRoom + "[states.out]\ntdb = 30.0\nRH = 40.0\n[[processes]]\nmix = [\"out\", \"room\"]\n";
  const std::pair<std::string, std::string> cases[] = {
      {space + "latent = 4.5\nsupply_tdb = 26.0\ninto = \"s\"\n",
       "p.toml:5:1: process 1 (space \"room\" into \"s\"): for a positive sensible load the supply must be colder than "
       "the room"},
      {space + "latent = 60.0\nsupply_tdb = 13.5\ninto = \"s\"\n",
       "p.toml:5:1: process 1 (space \"room\" into \"s\"): the latent load is too large for supply air at 13.5 oC "
       "(its absolute humidity would be negative)"},
      {space + "latent = -20.0\nsupply_tdb = 13.5\ninto = \"s\"\n",
       "p.toml:5:1: process 1 (space \"room\" into \"s\"): the latent load is too small for supply air at 13.5 oC: "
       "the supply would lie beyond saturation"},
      {space + "latent = 4.5\nsupply_mass = 0\ninto = \"s\"\n", "p.toml:9:15: the supply flow must be positive"},
      {mix + "flows = [2000.0]\nfractions = [0.5, 0.5]\ninto = \"m\"\n",
       "p.toml:8:1: a mix needs \"fractions\", \"flows\" or \"mass_flows\" (one of them)"},
      {mix + "flows = [2000.0, -1.0]\ninto = \"m\"\n", "p.toml:10:18: a flow must be positive"},
      {mix + "flows = [9000.0]\ninto = \"m\"\n[airflow]\nstate = \"m\"\nmass = 1.0\n",
       "p.toml:8:1: process 1 (mix \"out\", \"room\" into \"m\"): the flows given exceed the flow reaching \"m\": "
       "no rest is left for \"room\""},
      {kRoom + "[[processes]]\ncoil = \"room\"\nx = \"later.x\"\nRH = 95.0\ninto = \"c\"\n",
       "p.toml:7:5: state \"later\" is not known before this process (processes run in file order)"},
      {kRoom + "[[processes]]\nheat = \"room\"\nRH = \"room.RH\"\ninto = \"c\"\n",
       "p.toml:7:1: unknown key \"RH\" in a heat process"},
      {kRoom + "[[processes]]\nheat = \"room\"\ntdb = \"room.x\"\ninto = \"c\"\n",
       "p.toml:7:7: \"tdb\" cannot take \"room.x\": x is another kind of value"},
      {kRoom + "[states.out]\ntdb = -10.0\nRH = 50.0\n[[processes]]\nrecover = [\"out\", \"room\"]\n"
               "sensible_effectiveness = 0.2\nlatent_effectiveness = 0.95\ninto = [\"s\", \"e\"]\n",
       "p.toml:8:1: process 1 (recover \"out\", \"room\" into \"s\"): the supply side would lie beyond saturation: the "
       "latent effectiveness is too high for the sensible one at these states"},
      {kRoom + "[[processes]]\nrecover = [\"room\", \"room\"]\nsensible_effectiveness = 1.2\ninto = [\"s\", \"e\"]\n",
       "p.toml:7:26: \"sensible_effectiveness\" must lie in [0, 1]"},
      {space + "latent = 4.5\nsupply_tdb = 14.0\ninto = \"s\"\n[airflow]\nstate = \"s\"\nmass = 1.0\n",
       "p.toml:5:1: the air flow at \"s\" is fixed twice: 1 kg/s by [airflow] and 1.76402 kg/s by process 1 (space "
       "\"room\" into \"s\")"},
  };
  for (const auto& [text, message] : cases) {
    const auto run = Outcome(text);
    ASSERT_TRUE(std::holds_alternative<std::string>(run)) << text;
    EXPECT_EQ(std::get<std::string>(run), message) << text;
  }
}

}  // namespace
}  // namespace vaporel
