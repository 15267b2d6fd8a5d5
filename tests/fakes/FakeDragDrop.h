#pragma once
#include "platform/DragDropApi.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// Drag and drop as the shell does it: a drop handle holds the names of the
// dropped files until DragFinish frees it, queries answer as the real
// DragQueryFileA does (a freed or unknown handle answers 0), and every call
// is recorded with its arguments, since the order of the queries is part of
// what the program does.
class FakeDragDrop : public platform::DragDropApi {
public:
    struct Call {
        std::string function;
        platform::Handle handle = 0;
        unsigned file = 0;
        bool buffer = false;
        unsigned size = 0;
        bool operator==(const Call&) const = default;
    };

    void DragAcceptFiles(platform::Handle hwnd, bool accept) override;
    unsigned DragQueryFileA(platform::Handle hDrop, unsigned file, char* buffer,
                            unsigned size) override;
    void DragFinish(platform::Handle hDrop) override;

    // A drop handle holding these names, as the shell hands one over.
    platform::Handle makeDrop(std::vector<std::string> names);
    bool isLive(platform::Handle hDrop) const { return drops_.count(hDrop) != 0; }
    std::size_t liveDrops() const { return drops_.size(); }
    bool accepts(platform::Handle hwnd) const { return accepting_.count(hwnd) != 0; }
    // Pretends the shell reports a name this much longer than it is.
    void setLengthOverstatement(unsigned extra) { overstatement_ = extra; }
    // Reports a name's length in characters, not bytes, as Windows does for
    // names it holds in UTF-16 (the names here are UTF-8).
    void countLengthInCharacters() { inCharacters_ = true; }

    const std::vector<Call>& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }

private:
    unsigned lengthOf(const std::string& name) const;
    std::map<platform::Handle, std::vector<std::string>> drops_;
    platform::Handle nextDrop_ = 0x2000;
    std::set<platform::Handle> accepting_;
    bool inCharacters_ = false;
    unsigned overstatement_ = 0;
    std::vector<Call> calls_;
};
