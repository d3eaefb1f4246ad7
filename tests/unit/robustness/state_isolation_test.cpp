// The same call gives the same answer whatever ran before it: every case of
// the table is compared with what it answers in a fresh process (a forked
// child), after every other case, and in shuffled orders through the locked
// and unlocked exports.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <random>

#include "call_cases.h"

namespace barsize::test {
namespace {

// What the case answers in a child process that has made no other call.
CallAnswer freshProcessAnswer(const CallCase &c) {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("pipe");
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        const CallAnswer answer = runUnlocked(c);
        const ssize_t written = write(fds[1], &answer, sizeof answer);
        _exit(written == static_cast<ssize_t>(sizeof answer) ? 0 : 1);
    }
    close(fds[1]);
    CallAnswer answer;
    answer.result = 12345;  // marks a child that never answered
    size_t got = 0;
    while (got < sizeof answer) {
        const ssize_t n = read(fds[0], reinterpret_cast<char *>(&answer) + got, sizeof answer - got);
        if (n <= 0) break;
        got += static_cast<size_t>(n);
    }
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (got != sizeof answer || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        ADD_FAILURE() << c.name << ": the child process did not answer (crashed?)";
    return answer;
}

std::vector<CallAnswer> freshAnswers() {
    std::vector<CallAnswer> answers;
    for (const CallCase &c : callCases()) answers.push_back(freshProcessAnswer(c));
    return answers;
}

TEST(StateIsolation, EveryCaseAnswersAfterEveryOtherAsInAFreshProcess) {
    const std::vector<CallCase> &cases = callCases();
    const std::vector<CallAnswer> fresh = freshAnswers();
    int mismatches = 0;
    for (size_t before = 0; before < cases.size(); ++before)
        for (size_t i = 0; i < cases.size(); ++i) {
            runUnlocked(cases[before]);
            const CallAnswer answer = runUnlocked(cases[i]);
            if (answer == fresh[i]) continue;
            if (++mismatches <= 10)
                ADD_FAILURE() << cases[i].name << " after " << cases[before].name << ": "
                              << describe(answer) << "\n  fresh process: " << describe(fresh[i]);
        }
    EXPECT_EQ(mismatches, 0);
}

TEST(StateIsolation, ShuffledOrdersThroughBothExportsAnswerAsInAFreshProcess) {
    const std::vector<CallCase> &cases = callCases();
    const std::vector<CallAnswer> fresh = freshAnswers();
    std::vector<size_t> order(cases.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::mt19937 random(20261211);
    int mismatches = 0;
    for (int round = 0; round < 6; ++round) {
        std::shuffle(order.begin(), order.end(), random);
        for (size_t k = 0; k < order.size(); ++k) {
            const size_t i = order[k];
            const bool locked = (round + k) % 2 == 0;
            const CallAnswer answer = locked ? runLocked(cases[i]) : runUnlocked(cases[i]);
            if (answer == fresh[i]) continue;
            if (++mismatches <= 10)
                ADD_FAILURE() << cases[i].name << (locked ? " (locked)" : " (unlocked)")
                              << " in round " << round << ": " << describe(answer)
                              << "\n  fresh process: " << describe(fresh[i]);
        }
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace barsize::test
