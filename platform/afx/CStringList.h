#pragma once
// An ordered list of strings with the framework's position-based walking. A position that
// does not name an element reads as an empty string and ends the walk.
#include "platform/afx/AfxPosition.h"
#include "platform/base/WinDef.h"

#include <string>
#include <vector>

class CStringList {
  public:
    INT_PTR GetCount() const { return static_cast<INT_PTR>(items.size()); }
    bool IsEmpty() const { return items.empty(); }
    POSITION AddTail(const std::string& item);
    void AddTail(const CStringList& other);
    POSITION AddHead(const std::string& item);
    void RemoveAll() { items.clear(); }

    POSITION GetHeadPosition() const { return Position(0); }
    // The element at pos; pos moves to the next one (null after the last).
    const std::string& GetNext(POSITION& pos) const;
    const std::string& GetAt(POSITION pos) const;
    void SetAt(POSITION pos, const std::string& item);
    const std::string& GetHead() const { return GetAt(GetHeadPosition()); }
    const std::string& GetTail() const { return GetAt(Position(items.size() - 1)); }
    POSITION FindIndex(INT_PTR index) const;
    // First equal element (exact bytes) after pos, or from the head when pos is null.
    POSITION Find(const std::string& item, POSITION after = nullptr) const;

    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }

  private:
    POSITION Position(std::size_t index) const;
    // Index of pos, or the size when it names nothing.
    std::size_t Index(POSITION pos) const;

    std::vector<std::string> items;
};
