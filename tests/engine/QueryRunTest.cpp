// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/QueryRun.h"
#include "tests/engine/EngineTest.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace slovnik {
namespace {

using namespace slovnik::support;

// Records every call of a query run in order; keeps its lines like a sorted list box (byte
// order here, the real collation is tested with the windows' list order).
class Recorder final : public ResultList, public SearchHost {
public:
    std::vector<std::string> calls;
    std::vector<std::string> lines;
    int selected = -1;
    std::function<void()> onEvents;

    void clearLines() override
    {
        record("clear");
        lines.clear();
        selected = -1;
    }
    void setSorted(bool sorted) override
    {
        record(sorted ? "sort on" : "sort off");
        if (sorted)
            std::stable_sort(lines.begin(), lines.end());
    }
    void setRedrawSuspended(bool suspended) override { record(suspended ? "suspend" : "resume"); }
    void addLine(std::string_view line) override
    {
        record("add " + std::string(line));
        lines.emplace_back(line);
    }
    void selectFirstLine() override
    {
        record("select 0");
        selected = lines.empty() ? -1 : 0;
    }
    void processPendingEvents() override
    {
        record("events");
        if (onEvents)
            std::exchange(onEvents, nullptr)();
    }
    void setBusyCursor(bool busy) override { record(busy ? "busy" : "default"); }

    long count(std::string_view call) const { return std::count(calls.begin(), calls.end(), call); }
    long countLine(std::string_view line) const { return std::count(lines.begin(), lines.end(), line); }

private:
    void record(std::string call) { calls.push_back(std::move(call)); }
};

const std::vector<DictionaryEntry> kTable = table({
    {"cat", "kočka"},
    {"cats", "kočky"},
    {"run", "běžet"},
    {"runs", "běhy"},
    {"runsel", "x"},
    {"big", "velký"},
    {"bigger", "větší"},
    {"biggerish", "y"},
    {"dog", "pes"},
    {"\x8e"
     "ena",
     "woman"}, // Žena in Windows-1250
    {"\x9e"
     "ena",
     "wife"}, // žena
});

struct QueryRunTest : ::testing::Test {
    Recorder recorder;
    QueryRun queryRun{kTable, recorder, recorder};
};

TEST_F(QueryRunTest, SearchRunFollowsItsFixedOrder)
{
    queryRun.run("dog", kCs); // Czech: one prefix run, no hit
    EXPECT_THAT(recorder.calls,
                ElementsAre("clear", "events", "busy", "sort off", "suspend", "sort on", "resume", "select 0",
                            "default"));
    recorder.calls.clear();
    queryRun.run("pes", kCs);
    EXPECT_THAT(recorder.calls,
                ElementsAre("clear", "events", "busy", "sort off", "suspend", "add pes = dog", "sort on",
                            "resume", "select 0", "default"));
    EXPECT_EQ(recorder.selected, 0);
}

TEST_F(QueryRunTest, WordEqualToAnEnglishFieldIsListedTwice)
{
    queryRun.run("cat", kEn);
    EXPECT_EQ(recorder.countLine("cat = kočka"), 2);
    EXPECT_EQ(recorder.countLine("cats = kočky"), 1);
    EXPECT_EQ(recorder.count("events"), 2); // comparative gives "cat" back; verb form has no rule
    EXPECT_EQ(recorder.selected, 0);
    EXPECT_EQ(recorder.lines.front(), "cat = kočka");
}

TEST_F(QueryRunTest, RunsFindsRunTwiceAndRunsTwice)
{
    queryRun.run("runs", kEn);
    EXPECT_EQ(recorder.countLine("run = běžet"), 2); // plural and verb form both give "run"
    EXPECT_EQ(recorder.countLine("runs = běhy"), 2); // comparative gives "runs", then the prefix
    EXPECT_EQ(recorder.countLine("runsel = x"), 1);
    EXPECT_EQ(recorder.lines.size(), 5u);
    EXPECT_EQ(recorder.count("events"), 4);
}

TEST_F(QueryRunTest, BiggerFindsBigOnceAndItsPrefixHitsOnce)
{
    queryRun.run("bigger", kEn);
    EXPECT_THAT(recorder.lines, ElementsAre("big = velký", "bigger = větší", "biggerish = y"));
}

TEST_F(QueryRunTest, CzechQueriesRunOnlyThePrefixSearch)
{
    queryRun.run("cats", kCs);
    EXPECT_EQ(recorder.count("events"), 1);
    EXPECT_THAT(recorder.lines, IsEmpty());
    queryRun.run("kočk", kCs);
    EXPECT_THAT(recorder.lines, ElementsAre("kočka = cat", "kočky = cats"));
}

TEST_F(QueryRunTest, TypedTextIsLowerCasedForAToZOnly)
{
    queryRun.run("DoG", kEn);
    EXPECT_EQ(recorder.countLine("dog = pes"), 2);
    queryRun.run("\x8e", kEn); // "Ž" stays upper-case and finds only itself
    EXPECT_THAT(recorder.lines,
                ElementsAre("\x8e"
                            "ena = woman"));
}

TEST_F(QueryRunTest, QueryThatCleansAwayRunsNoSearch)
{
    queryRun.run("a ", kEn);
    EXPECT_THAT(recorder.calls, ElementsAre("clear"));
    recorder.calls.clear();
    queryRun.run(" '''", kCs);
    EXPECT_THAT(recorder.calls, ElementsAre("clear"));
    EXPECT_EQ(recorder.selected, -1);
}

TEST_F(QueryRunTest, EmptyResultSelectsNothing)
{
    queryRun.run("dog", kEn);
    queryRun.run("zzz", kEn);
    EXPECT_THAT(recorder.lines, IsEmpty());
    EXPECT_EQ(recorder.selected, -1);
}

TEST_F(QueryRunTest, VeryLongQueriesFindNothingAndDoNotFail)
{
    queryRun.run(std::string(300, 'b'), kEn);
    EXPECT_THAT(recorder.lines, IsEmpty());
    EXPECT_EQ(recorder.count("default"), recorder.count("busy"));
}

TEST_F(QueryRunTest, NestedRunLeavesOnlyTheNewerQuerysLines)
{
    // A keystroke waiting when the older run processes events starts the newer run inside it.
    bool newerFinished = false;
    recorder.onEvents = [&] { newerFinished = queryRun.run("dog", kEn); };
    // The older run says it was superseded, so that its caller leaves the list to the newer one's.
    EXPECT_FALSE(queryRun.run("cat", kEn));
    EXPECT_TRUE(newerFinished);
    EXPECT_THAT(recorder.lines, ElementsAre("dog = pes", "dog = pes"));
    EXPECT_EQ(recorder.selected, 0);
    // After the newer run has finished, the older one never touched the list again.
    const auto lastDefault = std::find(recorder.calls.rbegin(), recorder.calls.rend(), "default");
    EXPECT_EQ(lastDefault, recorder.calls.rbegin());
    EXPECT_EQ(recorder.count("busy"), recorder.count("default"));
}

TEST_F(QueryRunTest, NestedRunDuringALaterSearchRunStopsTheOlderRun)
{
    int eventsSeen = 0;
    std::function<void()> nestOnThird = [&] {
        if (++eventsSeen == 3)
            queryRun.run("kočka", kCs);
        else
            recorder.onEvents = nestOnThird;
    };
    recorder.onEvents = nestOnThird;
    queryRun.run("runs", kEn); // its third search run is interrupted
    EXPECT_THAT(recorder.lines, ElementsAre("kočka = cat"));
    EXPECT_EQ(recorder.calls.back(), "default");
}

TEST_F(QueryRunTest, NestedRunThatCleansAwayEmptiesTheList)
{
    recorder.onEvents = [&] { queryRun.run("a ", kEn); };
    queryRun.run("dog", kEn);
    EXPECT_THAT(recorder.lines, IsEmpty());
    EXPECT_EQ(recorder.count("busy"), 0);
}

TEST(inflectedCandidates, AreTheNonEmptyReductionsInLookUpOrder)
{
    EXPECT_THAT(inflectedCandidates("runs"), ElementsAre("run", "runs", "run"));
    EXPECT_THAT(inflectedCandidates("bigger"), ElementsAre("big"));
    EXPECT_THAT(inflectedCandidates("a"), ElementsAre("a"));
    EXPECT_THAT(inflectedCandidates("ying"), ElementsAre("ying"));
    EXPECT_THAT(inflectedCandidates(""), IsEmpty());
}

} // namespace
} // namespace slovnik
