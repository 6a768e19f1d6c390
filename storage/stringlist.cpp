#include "stringlist.h"

#include <algorithm>
#include <utility>

#include "textfile.h"

tstringlistex::~tstringlistex() = default;

void tstringlistex::Error() const { throw ListError(); }

std::int32_t tstringlistex::Add(std::string s) {
    std::int32_t index = Count();
    if (index == capacity_) SetCapacity(capacity_ + GrowthStep);
    items_.push_back(std::move(s));
    return index;
}

void tstringlistex::Insert(std::int32_t index, std::string s) {
    if (index < 0 || index > Count()) Error();
    if (Count() == capacity_) SetCapacity(capacity_ + GrowthStep);
    items_.insert(items_.begin() + index, std::move(s));
}

void tstringlistex::Delete(std::int32_t index) {
    if (index < 0 || index >= Count()) Error();
    items_.erase(items_.begin() + index);
}

void tstringlistex::Exchange(std::int32_t i, std::int32_t j) {
    if (i < 0 || i >= Count() || j < 0 || j >= Count()) Error();
    if (i != j) items_[i].swap(items_[j]);
}

std::string tstringlistex::Get(std::int32_t index) const {
    if (index < 0 || index >= Count()) return std::string();
    return items_[index];
}

const std::string& tstringlistex::At(std::int32_t index) const {
    if (index < 0 || index >= Count()) Error();
    return items_[index];
}

std::int32_t tstringlistex::IndexOf(const std::string& s) const {
    for (std::int32_t i = 0; i < Count(); ++i) {
        if (items_[i] == s) return i;
    }
    return -1;
}

void tstringlistex::Clear() {
    if (capacity_ == 0) return;
    SetCount(0);
    SetCapacity(0);
}

void tstringlistex::SetCount(std::int32_t n) {
    if (n < 0 || n > MaxCapacity) Error();
    if (n > capacity_) SetCapacity(n);
    items_.resize(n);
}

void tstringlistex::SetCapacity(std::int32_t n) {
    if (n > MaxCapacity) Error();
    if (n == capacity_) return;
    if (n < Count()) Error();
    std::size_t room = items_.capacity();
    if (static_cast<std::size_t>(n) > room) {
        // A preset (a loader's guess, SetCount) reserves exactly; steps of 32 grow by half.
        items_.reserve(std::max(static_cast<std::size_t>(n), room + room / 2));
    } else if (n == 0 || static_cast<std::size_t>(n) < room / 4) {
        // Giving slots back moves every entry into a new array, so it is done only when at
        // most a quarter of them would be used: a loader's trim after a guess that was a few
        // times too high (long lines) keeps its array, whose unused tail was never touched.
        items_.shrink_to_fit();
    }
    capacity_ = n;
}

void tstringlistex::Sort(tstringcompare compare) {
    if (Count() > 1) QuickSort(0, Count() - 1, compare);
}

// Under a consistent comparison the copy of the middle entry stops both scans inside the
// range; the bounds only keep an inconsistent comparison from reading outside the list, and
// change neither the calls nor the result of a consistent one.
void tstringlistex::QuickSort(std::int32_t l, std::int32_t r, tstringcompare compare) {
    for (;;) {
        std::int32_t i = l;
        std::int32_t j = r;
        const std::string p = items_[l + (r - l) / 2];
        do {
            while (compare(items_[i], p) < 0 && i < r) ++i;
            while (compare(items_[j], p) > 0 && j > l) --j;
            if (i <= j) {
                Exchange(i, j);
                ++i;
                --j;
            }
        } while (i <= j);
        if (l < j) QuickSort(l, j, compare);
        l = i;
        if (i >= r) return;
    }
}

std::string tstringlistex::GetTextStr() const {
    std::size_t length = 0;
    for (const std::string& s : items_) length += s.size() + 2;
    std::string text;
    text.reserve(length);
    for (const std::string& s : items_) {
        text += s;
        text += "\r\n";
    }
    return text;
}

void tstringlistex::SetTextStr(const std::string& text) {
    Clear();
    if (text.empty()) return;
    // One line per 28 bytes is the guess; the capacity is trimmed to the count at the end.
    SetCapacity(static_cast<std::int32_t>(std::min<std::size_t>(text.size() / 28, MaxCapacity)));
    // The text ends at its last byte or at its first NUL, whichever comes first.
    const std::size_t end = std::min(text.find('\0'), text.size());
    std::size_t pos = 0;
    do {
        std::size_t stop = std::min(text.find_first_of("\r\n", pos), end);
        Add(text.substr(pos, stop - pos));
        pos = stop;
        if (pos < end && text[pos] == '\r') ++pos;
        if (pos < end && text[pos] == '\n') ++pos;
    } while (pos < end);
    SetCapacity(Count());
}

std::string tstringlistex::GetCommaText() const {
    std::string text;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const std::string& s = items_[i];
        if (i > 0) text += ',';
        if (s.find_first_of(" ,") != std::string::npos) {
            text += '"';
            text += s;
            text += '"';
        } else {
            text += s;
        }
    }
    return text;
}

void tstringlistex::SetCommaText(const std::string& text) {
    Clear();
    const std::size_t end = text.size();
    std::size_t pos = 0;
    while (pos < end) {
        bool quoted = text[pos] == '"';
        if (quoted) ++pos;
        std::size_t stop = pos;
        while (stop < end) {
            char c = text[stop];
            if (c == '\r' || c == '\0' || c == '"' || (!quoted && c == ',')) break;
            ++stop;
        }
        Add(text.substr(pos, stop - pos));
        // Past the ending byte, and past the comma that follows a closing quote.
        pos = stop + (quoted ? 2 : 1);
    }
}

void tstringlistex::LoadFromFile(const std::string& filename) {
    Clear();
    LoadTextFile(filename, *this);
}

void tstringlistex::SaveToFile(const std::string& filename) const { SaveTextFile(filename, *this); }

void tstringlistex::LoadFromStream(tbytestream& stream) {
    Clear();
    std::size_t size = stream.Size();
    std::size_t position = stream.Position();
    if (size <= position) return;
    std::string bytes(size - position, '\0');
    bytes.resize(stream.Read(&bytes[0], bytes.size()));
    SetTextStr(bytes);
}

void tstringlistex::SaveToStream(tbytestream& stream) const {
    std::string text = GetTextStr();
    stream.Write(text.data(), text.size());
}
