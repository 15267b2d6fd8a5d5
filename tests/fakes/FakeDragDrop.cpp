#include "fakes/FakeDragDrop.h"

#include <algorithm>
#include <cstring>

using namespace platform;

void FakeDragDrop::DragAcceptFiles(Handle hwnd, bool accept) {
    calls_.push_back(
        {accept ? "DragAcceptFiles(true)" : "DragAcceptFiles(false)", hwnd, 0, false, 0});
    if (accept)
        accepting_.insert(hwnd);
    else
        accepting_.erase(hwnd);
}

unsigned FakeDragDrop::lengthOf(const std::string& name) const {
    if (!inCharacters_)
        return static_cast<unsigned>(name.size());
    unsigned characters = 0;
    for (unsigned char byte : name)
        characters += (byte & 0xC0) != 0x80;
    return characters;
}

unsigned FakeDragDrop::DragQueryFileA(Handle hDrop, unsigned file, char* buffer, unsigned size) {
    calls_.push_back({"DragQueryFileA", hDrop, file, buffer != nullptr, size});
    auto drop = drops_.find(hDrop);
    if (drop == drops_.end())
        return 0;
    const std::vector<std::string>& names = drop->second;
    if (file == kDragQueryFileCount)
        return static_cast<unsigned>(names.size());
    if (file >= names.size())
        return 0;
    const std::string& name = names[file];
    if (!buffer)
        return lengthOf(name) + overstatement_;
    if (size == 0)
        return 0;
    unsigned copied = std::min(static_cast<unsigned>(name.size()), size - 1);
    std::memcpy(buffer, name.data(), copied);
    buffer[copied] = '\0';
    return copied;
}

void FakeDragDrop::DragFinish(Handle hDrop) {
    calls_.push_back({"DragFinish", hDrop, 0, false, 0});
    drops_.erase(hDrop);
}

Handle FakeDragDrop::makeDrop(std::vector<std::string> names) {
    Handle handle = nextDrop_;
    nextDrop_ += 8;
    drops_[handle] = std::move(names);
    return handle;
}
