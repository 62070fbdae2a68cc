// A worksheet session: states pinned, a mix, a refused coil that changes nothing, names that
// follow a rename, removals refused while a process needs the state, the tables as cells.
#include "window/worksheet/worksheet.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "calculation/resolve_state.hpp"

namespace vaporel {
namespace {

AirState At(double p, double tdb, double RH) {
  return std::get<AirState>(ResolveState(InputPair::DryBulbHumidity, p, tdb, RH));
}

ProcessInput Mix(std::vector<std::string> from, std::vector<double> fractions, std::string into) {
  return {MixFigures{std::move(from), std::move(fractions), {}, {}}, std::move(into), {}, {}};
}

std::vector<std::vector<std::string>> Cells(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    rows.emplace_back();
    std::istringstream cells(line);
    for (std::string cell; std::getline(cells, cell, '\t');) rows.back().push_back(cell);
  }
  return rows;
}

TEST(Worksheet, ASessionOfEditsEachCheckedAndSolved) {
  Worksheet sheet;
  const AirState outdoor = At(1.01325, 32, 40);
  ASSERT_EQ(sheet.pin(outdoor), std::nullopt);
  ASSERT_EQ(sheet.pin(At(1.01325, 24, 50)), std::nullopt);
  EXPECT_EQ(sheet.solved().states[0].name, "A");
  EXPECT_EQ(sheet.solved().states[1].name, "B");
  EXPECT_EQ(sheet.solved().states[0].state.h, outdoor.h);
  EXPECT_NE(sheet.pin(At(2, 20, 50)).value_or("").find("one pressure"), std::string::npos);

  ASSERT_EQ(sheet.addProcess(Mix({"A", "B"}, {0.3, 0.7}, "M")), std::nullopt);
  const ProcessInput coil{CoilFigures{"M", 10.0, 1.5, {}, {}, {}}, "C", {}, {}};
  EXPECT_EQ(sheet.addProcess(coil), "\"bypass\" must lie in [0, 1)");
  EXPECT_EQ(sheet.project().processes.size(), 1u);
  EXPECT_EQ(sheet.remove("A"), "The state \"A\" is used by process 1 (mix): remove the process first");

  ASSERT_EQ(sheet.rename("A", "outdoor"), std::nullopt);
  EXPECT_EQ(sheet.project().processes[0].from()[0], "outdoor");
  EXPECT_EQ(sheet.rename("B", "M"), "The name \"M\" is already used");
  ASSERT_EQ(sheet.setAirFlow(AirFlowInput{"M", 10000.0, std::nullopt, {}}), std::nullopt);

  const auto cells = Cells(sheet.tablesText(Numbers('.')));
  ASSERT_EQ(cells.size(), 7u);  // header, 3 states, blank, header, the mix
  EXPECT_EQ(cells[1][0], "outdoor");
  EXPECT_EQ(cells[1][2], "32.00");
  EXPECT_EQ(cells[5][4], "volume [m3/h]");
  EXPECT_EQ(cells[5][5], "total [kW]");
  EXPECT_EQ(cells[6][0], "mix");
  EXPECT_EQ(cells[6][1], "outdoor + B");

  EXPECT_EQ(sheet.remove("M"), "The state \"M\" is made by process 1 (mix): remove the process first");
  ASSERT_EQ(sheet.removeProcess(0), std::nullopt);
  EXPECT_FALSE(sheet.project().airflow);
  ASSERT_EQ(sheet.remove("outdoor"), std::nullopt);
  EXPECT_EQ(sheet.solved().states.size(), 1u);
}

// A process that ends on a state already known is removed without taking that state's air flow.
TEST(Worksheet, RemovingAProcessKeepsTheAirFlowOfAStateItDidNotMake) {
  Worksheet sheet;
  ASSERT_EQ(sheet.pin(At(1.01325, 30, 40)), std::nullopt);  // A
  ASSERT_EQ(sheet.pin(At(1.01325, 20, 40)), std::nullopt);  // B
  ASSERT_EQ(sheet.addProcess({HeatFigures{"B", 30.0, {}}, "H", {}, {}}), std::nullopt);
  ASSERT_EQ(sheet.addProcess({HeatFigures{"H", {}, {}}, "B", {}, {}}), std::nullopt);  // back to B, known
  ASSERT_EQ(sheet.setAirFlow(AirFlowInput{"B", 5000.0, std::nullopt, {}}), std::nullopt);
  ASSERT_EQ(sheet.removeProcess(1), std::nullopt);
  ASSERT_TRUE(sheet.project().airflow);
  EXPECT_EQ(sheet.project().airflow->state, "B");
}

}  // namespace
}  // namespace vaporel
