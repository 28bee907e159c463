#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <vector>

#include "symbolic/ask.h"

namespace {

TEST(CallContract, LongAnswerIsReportedAndFetchedWhole) {
  std::string request = "TAYLOR(exp(x),x,0,12)";
  std::string whole = ask(request);
  ASSERT_GT(whole.size(), 40u);

  for (int32_t capacity : {0, 1, 10, static_cast<int32_t>(whole.size())}) {
    std::vector<char> buffer(64, '#');
    int32_t length = symbolic_calculate(request.data(), buffer.data(), capacity);
    EXPECT_EQ(length, -static_cast<int32_t>(whole.size())) << capacity;
    if (capacity > 0) {
      EXPECT_EQ(buffer[0], '\0');
    }
    for (size_t i = capacity; i < buffer.size(); ++i) ASSERT_EQ(buffer[i], '#') << capacity;
  }
  std::vector<char> room(whole.size() + 1);
  ASSERT_EQ(symbolic_calculate(request.data(), room.data(), room.size()),
            static_cast<int32_t>(whole.size()));
  EXPECT_EQ(std::string(room.data()), whole);
}

TEST(CallContract, NullBuffersAreHandled) {
  std::vector<char> buffer(200);
  int32_t length = symbolic_calculate(nullptr, buffer.data(), buffer.size());
  EXPECT_EQ(length, static_cast<int32_t>(std::strlen(buffer.data())));
  EXPECT_NE(std::string(buffer.data()).find("Fehler"), std::string::npos);
  std::string request = "APPROX(SUBST(x,x,2))";
  EXPECT_EQ(symbolic_calculate(request.data(), nullptr, 200), -1);
}

TEST(CallContract, LongRequestIsInterruptedAndTheEngineGoesOn) {
  symbolic_set_time_limit(300);
  auto start = std::chrono::steady_clock::now();
  std::string answer = ask("INT(sin(x)^300*cos(x)^300,x)");
  auto elapsed = std::chrono::steady_clock::now() - start;
  symbolic_set_time_limit(5000);
  EXPECT_EQ(answer, "Fehler: Zeitlimit überschritten");
  EXPECT_LT(elapsed, std::chrono::seconds(3));
  EXPECT_EQ(ask("INT(x^2,x,0,2)"), "8/3");
  EXPECT_EQ(ask("diff(x^3,x)"), "3*x^2");
}

}  // namespace

// Deep trees would exhaust the stack in the recursive walks over a term.
TEST(CallContract, OverlongChainsAndSignRunsAreRefusedNotCrashed) {
  std::string sum;
  for (int i = 0; i < 900; ++i) sum += "x+";
  EXPECT_EQ(ask("diff(" + sum + "1,x)"), "900");
  EXPECT_EQ(ask("APPROX(SUBST(" + sum + "1,x,2))"), "1801");
  std::string longSum = sum;
  for (int i = 0; i < 20000; ++i) longSum += "x+";
  for (const std::string& request :
       {"diff(" + longSum + "1,x)", "APPROX(SUBST(" + longSum + "1,x,2))",
        "diff(" + std::string(100000, '-') + "x,x)", "diff(" + std::string(100000, '+') + "x,x)",
        "APPROX(SUBST(2" + std::string(50000, 'x') + ",x,1))",
        "diff(x" + std::string(5000, '^') + ",x)"}) {
    const std::string answer = ask(request);
    EXPECT_EQ(answer.rfind("Fehler: ", 0), 0u) << request.substr(0, 40) << " -> " << answer;
  }
  EXPECT_EQ(ask("diff(x^3,x)"), "3*x^2");
}
