// The batch calculator end to end, run as a user's script runs it.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "calculation/resolve_state.hpp"
#include "calculation/result_texts.hpp"
#include "calculation/thermophysical.hpp"

namespace vaporel {
namespace {

struct Outcome {
  std::string out;
  std::string err;
  int code = -1;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Runs vaporel-calc with shell-quoted arguments, optionally feeding `input` on stdin.
Outcome Calc(const std::string& arguments, const std::string& input = "") {
  // ctest runs the cases of this file in parallel processes: every run gets files of its own.
  static int runs = 0;
  const std::string stem = testing::TempDir() + "vaporel_calc_" + std::to_string(getpid()) + "_" +
                           std::to_string(++runs);
  const std::string in = stem + "_in.csv";
  const std::string err = stem + "_err.txt";
  std::ofstream(in) << input;
  const std::string command = std::string("'") + VAPOREL_CALC + "' " + arguments + " <'" + in + "' 2>'" + err + "'";
  Outcome run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = Slurp(err);
  std::remove(in.c_str());
  std::remove(err.c_str());
  return run;
}

TEST(VaporelCalc, PrintsTheExampleStateAsTheLabelsShowIt) {
  const Outcome run = Calc("1 1.01325 20 50");
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out,
            "p\t1.013\ntdb\t20.00\ntwb\t13.73\ntdp\t9.27\nx\t0.00725\nro\t1.1987\nh\t38.49\npv\t0.01168\n"
            "RH\t50.0\ncp\t1.0189\nlam\t0.025976\nmi\t1.803E-05\nPr\t0.702\n");
  EXPECT_EQ(run.err, "");
}

TEST(VaporelCalc, CommaLocaleReadsAndWritesCommas) {
  const Outcome run = Calc("--locale de_DE.UTF-8 1 1,01325 20 50");
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out,
            "p\t1,013\ntdb\t20,00\ntwb\t13,73\ntdp\t9,27\nx\t0,00725\nro\t1,1987\nh\t38,49\npv\t0,01168\n"
            "RH\t50,0\ncp\t1,0189\nlam\t0,025976\nmi\t1,803E-05\nPr\t0,702\n");
  // The point is not a number there, as in the window under that locale.
  EXPECT_EQ(Calc("--locale de_DE.UTF-8 1 1.01325 20 50").err, "Invalid entries, please enter numbers only\n");
}

struct RefusalCase {
  const char* arguments;
  const char* message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.arguments; }

class VaporelCalcRefuses : public testing::TestWithParam<RefusalCase> {};

TEST_P(VaporelCalcRefuses, WithTheWindowsMessageAndExit1) {
  const Outcome run = Calc(GetParam().arguments);
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, std::string(GetParam().message) + "\n");
  EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    InTheUsersOrder, VaporelCalcRefuses,
    testing::Values(RefusalCase{"1 0.05 20 50", "Invalid entries, ambient air pressure must be greater than 0.1 bar"},
                    RefusalCase{"1 1.01325 90 50", "Dry bulb temperature is higher then water boiling temperaure"},
                    // tdbmax is compared as the panel shows it: 99.98495 reads back as 100.0
                    RefusalCase{"2 1.01325 100 50", "Dry bulb temperature is higher then water boiling temperaure"},
                    RefusalCase{"2 1.01325 20 5.6", "Invalid entries, Wet Bulb Temperature > twbmin and < tdb"},
                    RefusalCase{"2 1.01325 20 21", "Wet bulb temperature must be less then Dry bulb temperature"},
                    RefusalCase{"5 1.01325 20 0.01469", "Invalid entries, Absolute humidity must be less than xmax"},
                    RefusalCase{"1 1.01325 20 abc", "Invalid entries, please enter numbers only"},
                    // the first field is checked before the second, whatever the second holds
                    RefusalCase{"1 1.01325 -41 abc", "Invalid entries, dry bulb temperature must be greater than -40 oC"},
                    RefusalCase{"1 1.01325 20 ''", "All fields require data"},
                    RefusalCase{"1 '' 20 50", "Invalid entries, please enter the pressure first"}));

TEST(VaporelCalc, AcceptsTheLimitsThemselves) {
  EXPECT_EQ(Calc("2 1.01325 99.9 99.9").code, 0);
  EXPECT_EQ(Calc("2 1.01325 20 5.8").code, 0);
  EXPECT_EQ(Calc("5 1.01325 20 0.01468").code, 0);
  EXPECT_EQ(Calc("1 10 20 100").code, 0);
}

class VaporelCalcUsage : public testing::TestWithParam<const char*> {};

TEST_P(VaporelCalcUsage, ExitsWith2AndAUsageText) {
  const Outcome run = Calc(GetParam());
  EXPECT_EQ(run.code, 2);
  EXPECT_NE(run.err.find("Usage: vaporel-calc"), std::string::npos);
  EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, VaporelCalcUsage,
                         testing::Values("", "1 1.01325 20", "1 1.01325 20 50 7", "6 1.01325 20 50", "x 1 2 3",
                                         "--frobnicate 1 1.01325 20 50", "--locale", "--locale xx_YY 1 1 20 50",
                                         "--csv 1 1.01325 20 50"));

TEST(VaporelCalc, TwbminPassesTheFieldCheckButNotTheCommand) {
  // twbmin is the first 0.1 step at which saturated air is no richer than dry air at tdb,
  // so the wet bulb shown there lies at or just below the lowest possible one.
  const Outcome run = Calc("2 1.01325 20 5.7");
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, "Wrong tdb or twb input\n");
}

TEST(VaporelCalc, PreciseValuesRoundTrip) {
  const Outcome run = Calc("--precise 1 1.01325 20 50");
  ASSERT_EQ(run.code, 0);
  const AirState s = std::get<AirState>(ResolveState(InputPair::DryBulbHumidity, 1.01325, 20, 50));
  const std::array<double, 13> expected = ResultValues(s, ThermophysicalProperties(s));
  std::istringstream lines(run.out);
  std::string symbol, text;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    ASSERT_TRUE(lines >> symbol >> text);
    EXPECT_EQ(symbol, kResultFields[i].symbol);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(value, expected[i]) << symbol;
  }
  EXPECT_NE(run.out.find("twb\t13.7267235728864"), std::string::npos);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(VaporelCalcCsv, ARefusedRowNeverStopsTheBatch) {
  const Outcome run = Calc("--csv", "pair,p,first,second\n1,1.01325,20,50\n2,1.01325,20,21\n\n9,1,2,3\n1,1\n5,1.01325,20,0\n");
  EXPECT_EQ(run.code, 0);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "pair,P,FIRST,SECOND,p,tdb,twb,tdp,x,ro,h,pv,RH,cp,lam,mi,Pr,message");
  EXPECT_EQ(lines[1].rfind("1,1.01325,20,50,1.01325,20,13.726723572886407,", 0), 0u) << lines[1];
  EXPECT_EQ(lines[1].back(), ',');  // empty message
  EXPECT_EQ(lines[2], "2,1.01325,20,21,,,,,,,,,,,,,,Wet bulb temperature must be less then Dry bulb temperature");
  EXPECT_EQ(lines[3], "9,1,2,3,,,,,,,,,,,,,,\"Invalid row, the input pair must be 1 to 5\"");
  EXPECT_EQ(lines[4], "1,1,,,,,,,,,,,,,,,,\"Invalid row, expected pair,p,first,second\"");
  EXPECT_EQ(lines[5].rfind("5,1.01325,20,0,1.01325,20,", 0), 0u) << lines[5];
}

TEST(VaporelCalcCsv, MessagesWithTheDelimiterAreQuoted) {
  const Outcome run = Calc("--csv", "1,0.05,20,50\r\n");
  EXPECT_EQ(Lines(run.out).at(1),
            "1,0.05,20,50,,,,,,,,,,,,,,\"Invalid entries, ambient air pressure must be greater than 0.1 bar\"");
}

TEST(VaporelCalcCsv, CommaLocaleSeparatesBySemicolon) {
  const Outcome run = Calc("--locale de_DE --csv", "1;1,01325;20;50\n");
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].rfind("1;1,01325;20;50;1,01325;20;13,726723572886407;", 0), 0u) << lines[1];
}

TEST(VaporelCalcCsv, AnOverlongLineIsRefusedNotHeld) {
  const Outcome run = Calc("--csv", std::string(100000, '7') + "\n1,1.01325,20,50\n");
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[1].find("Invalid row, the line is too long"), std::string::npos);
  EXPECT_EQ(lines[2].rfind("1,1.01325,20,50,1.01325,", 0), 0u);
}

}  // namespace
}  // namespace vaporel
