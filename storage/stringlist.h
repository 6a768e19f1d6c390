// tstringlistex: the light list of byte strings under every list of lines, files and directories.
// Portable: no Windows header here. The two file slots rest on textfile.h, which each platform
// layer supplies.
#pragma once
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "bytestream.h"
#include "errors.h"

// Negative when a sorts before b, 0 when equal, positive when a sorts after b.
using tstringcompare = int (*)(const std::string& a, const std::string& b);

class tstringlistex {
public:
    // The largest capacity a list may have.
    static const std::int32_t MaxCapacity = 134217727;
    // Add and Insert grow the capacity by this many slots at a time.
    static const std::int32_t GrowthStep = 32;

    tstringlistex() = default;
    virtual ~tstringlistex();
    tstringlistex(const tstringlistex&) = delete;
    tstringlistex& operator=(const tstringlistex&) = delete;

    // The overridable operations, in the order of their slots.
    virtual std::string GetTextStr() const;
    virtual void SetTextStr(const std::string& text);
    virtual void SetCount(std::int32_t n);
    virtual void SetCapacity(std::int32_t n);
    virtual void SetCommaText(const std::string& text);
    virtual std::string GetCommaText() const;
    [[noreturn]] virtual void Error() const;
    // A missing file, or a directory of that name, gives an empty list; a file that cannot be
    // opened or read raises FileError (the lines read before the failure stay).
    virtual void LoadFromFile(const std::string& filename);
    // Replaces the file as a whole: it holds either the old content or the new, never a part.
    // Raises FileError naming filename; the old file is then unchanged.
    virtual void SaveToFile(const std::string& filename) const;
    virtual void SaveToStream(tbytestream& stream) const;
    virtual void LoadFromStream(tbytestream& stream);
    virtual std::int32_t IndexOf(const std::string& s) const;

    std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }
    std::int32_t Capacity() const { return capacity_; }
    // The entry is taken by value: a caller that hands over a temporary (or std::move) gives
    // its bytes to the list without a copy.
    std::int32_t Add(std::string s);
    void Insert(std::int32_t index, std::string s);
    void Delete(std::int32_t index);
    void Exchange(std::int32_t i, std::int32_t j);
    // Deletes every entry for which drop(entry) is true, keeping the order of the rest, in one
    // pass that moves each kept entry at most once. Like Delete, it leaves the capacity.
    template <typename Predicate>
    void DeleteIf(Predicate drop) {
        items_.erase(std::remove_if(items_.begin(), items_.end(), drop), items_.end());
    }
    // A copy of the entry; the empty string for an index outside 0 to Count() - 1.
    std::string Get(std::int32_t index) const;
    // The entry itself, without a copy, for scans; the index must be in range (else ListError).
    const std::string& At(std::int32_t index) const;
    void Clear();
    // Quicksort, not stable; compare must be a consistent order.
    void Sort(tstringcompare compare);

private:
    void QuickSort(std::int32_t l, std::int32_t r, tstringcompare compare);

    // The entries; their number is the count. The capacity is the list's own count of slots
    // (growing by 32 at a time); the vector under it grows geometrically, so that a long run
    // of Add stays linear in time. Slots past the count are empty strings by definition.
    std::vector<std::string> items_;
    std::int32_t capacity_ = 0;
};
