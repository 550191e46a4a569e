#pragma once
// A string to string map walked in the framework's own order: 17 buckets chosen by
// hash = hash * 33 + byte over the key, walked in bucket order, newest entry first within
// a bucket. The table never grows, so the order of an unchanged map never changes.
#include "platform/afx/AfxPosition.h"
#include "platform/base/WinDef.h"

#include <array>
#include <memory>
#include <string>

class CMapStringToString {
  public:
    CMapStringToString() = default;
    CMapStringToString(const CMapStringToString&) = delete;
    CMapStringToString& operator=(const CMapStringToString&) = delete;
    ~CMapStringToString() { RemoveAll(); }

    INT_PTR GetCount() const { return count; }
    bool IsEmpty() const { return count == 0; }
    BOOL Lookup(const std::string& key, std::string& value) const;
    // Replaces the value of an existing key in place; a new key goes to its bucket's front.
    void SetAt(const std::string& key, const std::string& value) { (*this)[key] = value; }
    std::string& operator[](const std::string& key);
    BOOL RemoveKey(const std::string& key);
    void RemoveAll();

    POSITION GetStartPosition() const;
    // The entry at pos; pos moves to the next entry (null after the last).
    void GetNextAssoc(POSITION& pos, std::string& key, std::string& value) const;

    static constexpr UINT HashTableSize = 17;
    static UINT HashKey(const std::string& key);

  private:
    struct Assoc {
        std::unique_ptr<Assoc> next;
        UINT bucket = 0;
        std::string key;
        std::string value;
    };
    Assoc* Find(const std::string& key) const;
    const Assoc* FirstFrom(UINT bucket) const;

    std::array<std::unique_ptr<Assoc>, HashTableSize> buckets;
    INT_PTR count = 0;
};
