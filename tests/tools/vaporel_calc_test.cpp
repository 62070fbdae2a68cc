// The batch calculator end to end, where a transcript cannot say it: values read back at
// full precision, and inputs too large to write down. The rest is in transcripts/.
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
#include "support/typical_state.hpp"

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
  const std::string stem =
      ::testing::TempDir() + "vaporel_calc_" + std::to_string(getpid()) + "_" + std::to_string(++runs);
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

// Every example --help gives runs as shown (in a scratch folder holding the example projects,
// since one writes a report) and succeeds; --version names the project's version.
TEST(VaporelCalc, HelpExamplesRunAndVersionIsTheProjects) {
  const Outcome help = Calc("--help");
  ASSERT_EQ(help.code, 0);
  EXPECT_EQ(Calc("--version").out, "vaporel-calc " VAPOREL_VERSION "\n");
  const std::string folder = ::testing::TempDir() + "help_examples_" + std::to_string(getpid());
  ASSERT_EQ(
      std::system(
          ("mkdir -p '" + folder + "' && cp " VAPOREL_EXAMPLES "/*.toml " VAPOREL_WEATHER " '" + folder + "'").c_str()),
      0);
  std::istringstream lines(help.out);
  int examples = 0;
  for (std::string line; std::getline(lines, line);) {
    const std::size_t at = line.find("vaporel-calc ");
    const bool example = line.size() > 2 && line.rfind("  ", 0) == 0 && line[2] != ' ';
    if (!example || at == std::string::npos) continue;
    std::string command = line.substr(2);
    command.replace(command.find("vaporel-calc "), 12, std::string("'") + VAPOREL_CALC + "'");
    ++examples;
    std::string shell = "cd '" + folder + "' && ";
    shell += command;
    shell += " >/dev/null";
    EXPECT_EQ(std::system(shell.c_str()), 0) << line;
  }
  EXPECT_GE(examples, 3);
  std::system(("rm -rf '" + folder + "'").c_str());
}

// Several jobs give the single job's output byte for byte: input order, refusals, a line
// too long to read, the header skipped; and a million rows stream through in flat memory.
TEST(VaporelCalcCsv, JobsKeepTheOrderAndTheMemoryFlat) {
  std::string rows = "pair,p,first,second\n";
  for (int i = 0; i < 5000; ++i) {
    rows += std::to_string(1 + i % 5) + ",1.01325," + std::to_string(10 + i % 20) + "," +
            (i % 5 == 3   ? "0.005"
             : i % 5 == 4 ? "0.006"
                          : std::to_string(5 + i % 40)) +
            "\n";
    if (i % 1000 == 7) rows += std::string(100000, '1') + "\n";
  }
  const Outcome one = Calc("--csv --jobs 1", rows), three = Calc("--csv --jobs 3", rows);
  ASSERT_EQ(one.code, 0);
  EXPECT_EQ(three.code, 0);
  EXPECT_TRUE(one.out == three.out);
  EXPECT_NE(one.out.find("Invalid row, the line is too long"), std::string::npos);
  EXPECT_EQ(Calc("--jobs 2 1 1.01325 20 50").code, 2);

#ifndef VAPOREL_SANITIZED  // the sanitizers' own memory would be measured
  // 10^6 rows generated on the fly; the largest resident size of the run stays small.
  const std::string command = std::string("awk 'BEGIN{for(i=0;i<1000000;i++)print \"1,1.01325,20,50\"}' | ") +
                              "/usr/bin/time -f %M '" + VAPOREL_CALC + "' --csv --jobs 2 2>&1 >/dev/null | tail -1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  long kilobytes = 0;
  EXPECT_EQ(std::fscanf(pipe, "%ld", &kilobytes), 1);
  pclose(pipe);
  EXPECT_GT(kilobytes, 0);
  EXPECT_LT(kilobytes, 64 * 1024) << "resident size " << kilobytes << " KB";
#endif
}

// The README's example prints the thirteen texts the result labels show.
TEST(VaporelCalc, PrintsTheExampleStateAsTheLabelsShowIt) {
  const Outcome run = Calc("1 1.01325 20 50");
  EXPECT_EQ(run.code, 0);
  std::string expected;
  for (std::size_t i = 0; i < kResultFields.size(); ++i) {
    expected += std::string(kResultFields[i].symbol) + "\t" + testing::kTypicalStateTexts[i] + "\n";
  }
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(run.err, "");
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

TEST(VaporelCalcCsv, AnOverlongLineIsRefusedNotHeld) {
  const Outcome run = Calc("--csv", std::string(100000, '7') + "\n1,1.01325,20,50\n");
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[1].find("Invalid row, the line is too long"), std::string::npos);
  EXPECT_EQ(lines[2].rfind("1,1.01325,20,50,1.01325,", 0), 0u);
}

}  // namespace
}  // namespace vaporel
