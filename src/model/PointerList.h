#pragma once
#include <vector>

// An ordered list of untyped pointers with a count; it owns nothing. An index
// outside 0..count()-1 raises the list's index error through error().
class PointerList {
public:
    PointerList() = default;
    PointerList(const PointerList&) = delete;
    PointerList& operator=(const PointerList&) = delete;
    virtual ~PointerList() = default;

    int count() const { return static_cast<int>(items_.size()); }
    void* get(int index) const;
    int add(void* item);
    void remove(int index);
    void reset() { items_.clear(); }

protected:
    [[noreturn]] virtual void error(int index) const;

private:
    std::vector<void*> items_;
};
