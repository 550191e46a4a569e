// The string list, the string map's walking order and the string helpers.
#include "platform/afx/AfxString.h"
#include "platform/afx/CMapStringToString.h"
#include "platform/afx/CStringList.h"

#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;

std::vector<std::string> Walk(const CMapStringToString& map) {
    std::vector<std::string> seen;
    std::string key, value;
    for (POSITION pos = map.GetStartPosition(); pos;) {
        map.GetNextAssoc(pos, key, value);
        seen.push_back(key + "=" + value);
    }
    return seen;
}

TEST(CMapStringToString, WalksBucketsInOrderNewestFirstAndReplacesInPlace) {
    // Buckets: "q" 113 % 17 = 11, "a" 97 % 17 = 12, "r" 114 % 17 = 12, "b" 98 % 17 = 13,
    // "ab" (97 * 33 + 98) % 17 = 1.
    EXPECT_EQ(CMapStringToString::HashKey("ab") % 17, 1u);
    CMapStringToString map;
    for (const char* key : {"b", "a", "q", "r", "ab"}) {
        map.SetAt(key, std::string(key) + "1");
    }
    EXPECT_EQ(map.GetCount(), 5);
    EXPECT_THAT(Walk(map), ElementsAre("ab=ab1", "q=q1", "r=r1", "a=a1", "b=b1"));
    EXPECT_EQ(Walk(map), Walk(map));

    map.SetAt("a", "x");
    map["q"] = "y";
    EXPECT_EQ(map.GetCount(), 5);
    EXPECT_THAT(Walk(map), ElementsAre("ab=ab1", "q=y", "r=r1", "a=x", "b=b1"));

    std::string value = "kept";
    EXPECT_FALSE(map.Lookup("A", value)) << "keys are exact";
    EXPECT_EQ(value, "kept");
    EXPECT_TRUE(map.Lookup("a", value));
    EXPECT_EQ(value, "x");

    // Long buckets keep the order: by bucket, newest first.
    CMapStringToString many;
    std::vector<std::pair<UINT, int>> expected; // bucket, minus the insertion number
    for (int i = 0; i < 3000; ++i) {
        many.SetAt("key" + std::to_string(i), std::to_string(i));
        expected.emplace_back(CMapStringToString::HashKey("key" + std::to_string(i)) % 17, -i);
    }
    EXPECT_TRUE(many.Lookup("key2998", value));
    EXPECT_EQ(value, "2998");
    std::sort(expected.begin(), expected.end());
    std::vector<std::string> order;
    for (const auto& [bucket, minusI] : expected) {
        order.push_back("key" + std::to_string(-minusI) + "=" + std::to_string(-minusI));
    }
    EXPECT_EQ(Walk(many), order);
    many.RemoveAll();
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty() && many.IsEmpty());
    EXPECT_EQ(many.GetStartPosition(), nullptr);
    POSITION none = nullptr;
    map.GetNextAssoc(none, value, value);
    EXPECT_EQ(value, "2998");
}

TEST(CStringList, AppendsWalksInOrderAndCopies) {
    CStringList list;
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.GetHead(), "");
    EXPECT_EQ(list.GetTail(), "");
    list.AddTail("one");
    list.AddTail("two");
    list.AddHead("zero");
    EXPECT_EQ(list.GetCount(), 3);
    std::vector<std::string> seen;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        seen.push_back(list.GetNext(pos));
    }
    EXPECT_THAT(seen, ElementsAre("zero", "one", "two"));
    EXPECT_EQ(list.GetAt(list.FindIndex(2)), "two");
    EXPECT_EQ(list.FindIndex(3), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
    EXPECT_EQ(list.Find("one"), list.FindIndex(1));
    EXPECT_EQ(list.Find("ONE"), nullptr);

    CStringList copy;
    copy.AddTail(list);
    copy.AddTail(copy);
    EXPECT_EQ(copy.GetCount(), 6);
    EXPECT_EQ(copy.GetTail(), "two");
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    POSITION stale = copy.FindIndex(5);
    EXPECT_EQ(list.GetNext(stale), "");
    EXPECT_EQ(stale, nullptr);
}

TEST(AfxString, FoldsTrimsCutsAndTokenises) {
    EXPECT_EQ(afx::CompareNoCase("Select", "SELECT"), 0);
    EXPECT_LT(afx::CompareNoCase("a", "B"), 0);
    EXPECT_EQ(afx::MakeUpper("{when printed} \xC3\xA9"), "{WHEN PRINTED} \xC3\xA9");
    EXPECT_EQ(afx::MakeLower("ABC"), "abc");
    EXPECT_EQ(afx::Trim(" \t x y \r\n"), "x y");
    EXPECT_EQ(afx::Trim("   "), "");
    EXPECT_EQ(afx::Left("abc", 5), "abc");
    EXPECT_EQ(afx::Left("abc", -1), "");
    EXPECT_EQ(afx::Right("abc", 2), "bc");
    EXPECT_EQ(afx::Mid("abcdef", 2, 2), "cd");
    EXPECT_EQ(afx::Mid("abcdef", 4), "ef");
    EXPECT_EQ(afx::Mid("abc", 9, 1), "");
    EXPECT_EQ(afx::Find("a,b,c", ",", 2), 3);
    EXPECT_EQ(afx::Find("abc", "x"), -1);
    EXPECT_EQ(afx::Find("abc", "a", 7), -1);

    std::string text = "a''b''";
    EXPECT_EQ(afx::Replace(text, "'", "''"), 4);
    EXPECT_EQ(text, "a''''b''''");
    EXPECT_EQ(afx::Replace(text, "", "x"), 0);
    EXPECT_EQ(afx::Remove(text, '\''), 8);
    EXPECT_EQ(text, "ab");

    std::vector<std::string> tokens;
    int pos = 0;
    for (std::string t = afx::Tokenize("\tid\tname\t\tsize", "\t", pos); pos != -1;
         t = afx::Tokenize("\tid\tname\t\tsize", "\t", pos)) {
        tokens.push_back(t);
    }
    EXPECT_THAT(tokens, ElementsAre("id", "name", "size"));
    pos = 50;
    EXPECT_EQ(afx::Tokenize("abc", ",", pos), "");
    EXPECT_EQ(pos, -1);
}

} // namespace
