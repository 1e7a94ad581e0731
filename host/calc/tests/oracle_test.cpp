// Holds the library against Python's decimal module, through the vectors gen_vectors.py writes (see the
// line format there). Every line is checked three ways per rounding: the rounded double must be the
// double nearest to the expected decimal, its text must be the expected text, and for half up the text
// made straight from the input must be too. RoundPlace answers the tens lines as well.
#include "calcutil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#ifndef _WIN32
#include <fcntl.h>
#endif

namespace {

struct Tally {
    long values = 0;
    long lines = 0;
    long checks = 0;
    long failures = 0;
    bool complete = false;
    bool skipped = false;
};

std::wstring Widen(std::string_view s) {
    return std::wstring(s.begin(), s.end());
}

void Fail(Tally& t, std::string_view line, const std::string& what) {
    if (++t.failures <= 20)
        ADD_FAILURE() << what << "\n  line: " << line;
}

void CheckLine(std::string_view line, Tally& t) {
    std::string_view field[6];
    int n = 0;
    for (std::size_t pos = 0; pos < line.size() && n < 6;) {
        const std::size_t end = std::min(line.find(' ', pos), line.size());
        field[n++] = line.substr(pos, end - pos);
        pos = end + 1;
    }
    if (n == 3 && field[0] == "end") {
        std::from_chars(field[1].data(), field[1].data() + field[1].size(), t.values);
        long lines = 0;
        std::from_chars(field[2].data(), field[2].data() + field[2].size(), lines);
        t.complete = lines == t.lines;
        return;
    }
    if (n >= 1 && field[0] == "skip") {
        t.skipped = true;
        return;
    }
    std::uint64_t bits = 0;
    int digits = 0;
    if (n < 5 ||
        std::from_chars(field[0].data(), field[0].data() + field[0].size(), bits, 16).ec != std::errc() ||
        std::from_chars(field[1].data(), field[1].data() + field[1].size(), digits).ec != std::errc()) {
        Fail(t, line, "malformed vector");
        return;
    }
    ++t.lines;
    const double x = std::bit_cast<double>(bits);
    static constexpr int kDecimalMethod[] = {0, 3, 4};
    static constexpr int kPlaceMethod[] = {0, 1, 2};
    static constexpr const char* kName[] = {"half up", "up", "down"};
    for (int m = 0; m < 3; ++m) {
        const std::string_view text = field[2 + m];
        if (text == "-")
            continue;
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        const std::wstring wide = Widen(text);
        const double r = calcutil::DecimalRound2(x, digits, kDecimalMethod[m], false);
        ++t.checks;
        if (std::bit_cast<std::uint64_t>(r) != std::bit_cast<std::uint64_t>(expected))
            Fail(t, line, std::string(kName[m]) + ": DecimalRound2 gives " + std::to_string(r));
        else if (calcutil::Double2String(r, digits) != wide)
            Fail(t, line, std::string(kName[m]) + ": text of the rounded value differs");
        if (digits < 0 && calcutil::RoundPlace(x, -digits - 1, kPlaceMethod[m]) != r)
            Fail(t, line, std::string(kName[m]) + ": RoundPlace differs from DecimalRound2");
        if (m == 0 && calcutil::Double2String(x, digits) != wide)
            Fail(t, line, "Double2String of the input differs");
    }
}

#ifdef CALC_ORACLE_DIR
// A Windows program cannot start the host's Python: the build ran the generator for each set of
// arguments and left its output in CALC_ORACLE_DIR, named after the arguments.
FILE* OpenGenerator(const std::string& args, std::string* what) {
    std::string name = args;
    std::replace(name.begin(), name.end(), ' ', '_');
    *what = std::string(CALC_ORACLE_DIR) + "/" + name + ".txt";
    return std::fopen(what->c_str(), "r");
}
int CloseGenerator(FILE* file) {
    return std::fclose(file);
}
#else
FILE* OpenGenerator(const std::string& args, std::string* what) {
    const std::string python = CALC_PYTHON3;
    if (python.empty() || python.find("NOTFOUND") != std::string::npos)
        return nullptr;
    *what = "'" + python + "' '" CALC_ORACLE_SCRIPT "' " + args;
    FILE* pipe = popen(what->c_str(), "r");
    // Generator and checker take about as long as each other; a deep pipe lets them run side by side
    // instead of taking turns.
#ifdef F_SETPIPE_SZ
    if (pipe)
        fcntl(fileno(pipe), F_SETPIPE_SZ, 1 << 20);
#endif
    return pipe;
}
int CloseGenerator(FILE* pipe) {
    return pclose(pipe);
}
#endif

// Runs the generator with `args` and checks its output as it streams in.
Tally RunGenerator(const std::string& args) {
    Tally t;
    std::string what;
    FILE* input = OpenGenerator(args, &what);
    if (!input && what.empty()) {
        t.skipped = true;
        return t;
    }
    if (!input) {
        ADD_FAILURE() << "cannot read " << what;
        return t;
    }
    // Large reads keep the switching between generator and checker down.
    std::setvbuf(input, nullptr, _IOFBF, std::size_t{1} << 16);
    std::string line;
    char chunk[4096];
    while (std::fgets(chunk, sizeof chunk, input)) {
        line += chunk;
        if (line.back() != '\n')
            continue;
        line.pop_back();
        CheckLine(line, t);
        line.clear();
    }
    if (!line.empty())
        CheckLine(line, t);
    EXPECT_EQ(CloseGenerator(input), 0) << what;
    return t;
}

TEST(CalcOracle, SeededValuesMatchPythonDecimal) {
    long values = CALC_ORACLE_VALUES;
    if (const char* env = std::getenv("BR_CALC_ORACLE_VALUES"))
        values = std::atol(env);
    const Tally t = RunGenerator("random --values " + std::to_string(values) + " --seed 20240611");
    if (t.skipped)
        GTEST_SKIP() << "no python3 for the oracle";
    EXPECT_TRUE(t.complete) << "the generator stopped early";
    EXPECT_EQ(t.values, values);
    EXPECT_EQ(t.failures, 0);
    std::printf("oracle: %ld values, %ld vectors, %ld roundings checked, %ld passed\n", t.values, t.lines,
                t.checks, t.checks - t.failures);
}

TEST(CalcOracle, GeneralDecimalArithmeticCases) {
    const Tally t = RunGenerator("dectest");
    if (t.skipped)
        GTEST_SKIP() << "no decimaltestdata (quantize, rescale, tointegralx) found";
    EXPECT_TRUE(t.complete) << "the generator stopped early";
    EXPECT_GT(t.lines, 100);
    EXPECT_EQ(t.failures, 0);
    std::printf("decTest: %ld cases ran, %ld passed\n", t.lines, t.lines - t.failures);
}

} // namespace
