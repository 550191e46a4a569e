#pragma once
// A string to string map walked in the framework's own order: 17 buckets chosen by
// hash = hash * 33 + byte over the key, walked in bucket order, newest entry first within
// a bucket. The buckets never grow, so the order of an unchanged map never changes; an
// index beside them finds a key in constant time however long the buckets get.
#include "platform/afx/AfxKeyIndex.h"
#include "platform/afx/AfxPosition.h"
#include "platform/base/WinDef.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

class CMapStringToString {
  public:
    CMapStringToString() = default;
    CMapStringToString(const CMapStringToString&) = delete;
    CMapStringToString& operator=(const CMapStringToString&) = delete;
    ~CMapStringToString() { RemoveAll(); }

    INT_PTR GetCount() const { return static_cast<INT_PTR>(index.Size()); }
    bool IsEmpty() const { return index.Size() == 0; }
    BOOL Lookup(std::string_view key, std::string& value) const;
    // Replaces the value of an existing key in place; a new key goes to its bucket's front.
    void SetAt(std::string_view key, std::string_view value) { (*this)[key] = value; }
    std::string& operator[](std::string_view key);
    void RemoveAll();

    POSITION GetStartPosition() const;
    // The entry at pos; pos moves to the next entry (null after the last).
    void GetNextAssoc(POSITION& pos, std::string& key, std::string& value) const;

    static constexpr UINT HashTableSize = 17;
    static UINT HashKey(std::string_view key);

  private:
    struct Assoc {
        std::unique_ptr<Assoc> next;
        Assoc* previous = nullptr; // null for a bucket's first entry
        UINT bucket = 0;
        std::string key;
        std::string value;
    };
    Assoc* Find(std::string_view key) const;
    const Assoc* FirstFrom(UINT bucket) const;

    std::array<std::unique_ptr<Assoc>, HashTableSize> buckets;
    AfxKeyIndex<Assoc> index;
};
