// The sample word lists the program ships: each must be a list the word list editor would accept,
// in a shape of the shipped library that can hold it.

#include "shipped_data.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace qx;
using namespace qx::test;

namespace {

struct SampleList {
    std::string file;
    std::map<std::string, std::string> headers;
    std::vector<std::pair<std::string, std::string>> entries; // word, clue
    std::vector<std::string> faults;
};

const std::vector<std::string> HeaderKeys = {"title", "category", "shape", "seed"};

SampleList parseList(const QString &path)
{
    SampleList list;
    list.file = QFileInfo(path).fileName().toStdString();
    const auto bytes = readAll(path);
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    int lineNo = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNo;
        const auto where = "line " + std::to_string(lineNo) + ": ";
        if (!std::all_of(line.begin(), line.end(), [](char c) { return c >= ' ' && c <= '~'; }))
            list.faults.push_back(where + "not plain printable ASCII");
        if (line.empty())
            continue;
        if (line.front() == '#') {
            for (const auto &key : HeaderKeys) {
                const auto prefix = "# " + key + ":";
                if (!line.starts_with(prefix))
                    continue;
                auto value = line.substr(prefix.size());
                value.erase(0, value.find_first_not_of(' '));
                if (!list.headers.emplace(key, value).second)
                    list.faults.push_back(where + "a second " + key);
            }
            continue;
        }
        const auto colon = line.find(':');
        if (colon == std::string::npos) {
            list.faults.push_back(where + "no colon between word and clue");
            continue;
        }
        list.entries.emplace_back(line.substr(0, colon), line.substr(colon + 1));
    }
    return list;
}

std::vector<SampleList> sampleLists()
{
    std::vector<SampleList> lists;
    for (const auto &path : shippedSources(QStringLiteral("samples")))
        lists.push_back(parseList(path));
    return lists;
}

std::optional<uint64_t> decimal(const std::string &text)
{
    uint64_t value = 0;
    const auto end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

// Capital letters, with single blanks only between two parts.
bool isWord(const std::string &word)
{
    if (word.empty() || word.front() == ' ' || word.back() == ' ' || word.find("  ") != std::string::npos)
        return false;
    return std::all_of(word.begin(), word.end(), [](char c) { return (c >= 'A' && c <= 'Z') || c == ' '; });
}

// The word as it stands in the grid: its blanks take no square.
std::string gridForm(std::string word)
{
    std::erase(word, ' ');
    return word;
}

} // namespace

TEST(SampleLists, EightToTenListsInSeveralCategories)
{
    const auto lists = sampleLists();
    EXPECT_GE(lists.size(), 8u);
    EXPECT_LE(lists.size(), 10u);
    std::set<std::string> categories;
    for (const auto &list : lists)
        if (list.headers.contains("category"))
            categories.insert(list.headers.at("category"));
    EXPECT_GE(categories.size(), 4u);
}

TEST(SampleLists, EveryListCarriesATitleCategoryShapeAndSeed)
{
    for (const auto &list : sampleLists()) {
        SCOPED_TRACE(list.file);
        EXPECT_EQ(list.faults, std::vector<std::string>{});
        for (const auto &key : HeaderKeys)
            ASSERT_TRUE(list.headers.contains(key)) << "no " << key;
        // The puzzle record keeps 35 characters of a title and 20 of a category.
        EXPECT_FALSE(list.headers.at("title").empty());
        EXPECT_LE(list.headers.at("title").size(), 35u);
        EXPECT_FALSE(list.headers.at("category").empty());
        EXPECT_LE(list.headers.at("category").size(), 20u);
        EXPECT_TRUE(decimal(list.headers.at("shape"))) << list.headers.at("shape");
        EXPECT_TRUE(decimal(list.headers.at("seed"))) << list.headers.at("seed");
    }
}

TEST(SampleLists, EveryEntryIsAWordAndAFairClue)
{
    for (const auto &list : sampleLists()) {
        SCOPED_TRACE(list.file);
        EXPECT_GE(list.entries.size(), 20u);
        EXPECT_LE(list.entries.size(), 60u);
        std::set<std::string> words;
        for (const auto &[word, clue] : list.entries) {
            SCOPED_TRACE(word);
            EXPECT_TRUE(isWord(word));
            EXPECT_LE(word.size(), 15u);
            EXPECT_GE(gridForm(word).size(), 3u);
            EXPECT_TRUE(words.insert(gridForm(word)).second) << "twice in the list";
            EXPECT_FALSE(clue.empty());
            EXPECT_LE(clue.size(), 150u);
            EXPECT_EQ(clue.find(':'), std::string::npos); // the word list files split at the colon
            EXPECT_EQ(clue.find_first_not_of(' '), 0u);
        }
    }
}

TEST(SampleLists, EveryListFitsTheShapeItNames)
{
    const auto shapes = shippedShapes();
    for (const auto &list : sampleLists()) {
        SCOPED_TRACE(list.file);
        const auto number = decimal(list.headers.contains("shape") ? list.headers.at("shape") : "");
        ASSERT_TRUE(number);
        ASSERT_LT(*number, shapes.size()) << "no such shape in the shipped library";
        const auto &shape = shapes[*number];
        const auto runs = longestRuns(shape);
        size_t longest = 0;
        for (const auto &entry : list.entries)
            longest = std::max(longest, gridForm(entry.first).size());
        EXPECT_LE(longest, static_cast<size_t>(std::max(runs.across, runs.down))) << shapeEntryText(shape);
    }
}

TEST(SampleLists, EveryWordSharesALetterWithAnotherSoItCanCross)
{
    for (const auto &list : sampleLists()) {
        SCOPED_TRACE(list.file);
        for (size_t i = 0; i < list.entries.size(); ++i) {
            const auto word = gridForm(list.entries[i].first);
            bool crosses = false;
            for (size_t j = 0; j < list.entries.size() && !crosses; ++j)
                crosses = j != i && list.entries[j].first.find_first_of(word) != std::string::npos;
            EXPECT_TRUE(crosses) << word;
        }
    }
}
