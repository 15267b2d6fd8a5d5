#include "components/TQelEdit.h"

#include "platform/DragDropApi.h"

#include <limits>
#include <vector>

namespace {

// Releases the drop handle however the drop's handling ends.
class DropHandle {
public:
    explicit DropHandle(platform::Handle drop) : drop_(drop) {}
    ~DropHandle() { platform::dragDropApi().DragFinish(drop_); }
    DropHandle(const DropHandle&) = delete;
    DropHandle& operator=(const DropHandle&) = delete;

private:
    platform::Handle drop_;
};

// The shell may count a name's length in characters, and a character takes
// up to 4 bytes in the ANSI code page (UTF-8); the buffer allows for that and
// keeps the slack of 10 the shell's own samples give.
constexpr unsigned kBytesPerCharacter = 4;
constexpr unsigned kSlack = 10;
constexpr unsigned kLongestName = (std::numeric_limits<unsigned>::max() - kSlack - 1) / 4;

} // namespace

TQelEdit::TQelEdit(std::string name, tk::Control& parent) : Edit(std::move(name), parent) {}

void TQelEdit::setDropAccept(bool accept) {
    dropAccept_ = accept;
    platform::dragDropApi().DragAcceptFiles(handle(), accept);
}

void TQelEdit::created() {
    platform::dragDropApi().DragAcceptFiles(handle(), dropAccept_);
    if (OnCreate)
        raise([this] { OnCreate(*this); });
}

void TQelEdit::afterEdit(unsigned msg, std::uintptr_t wParam, std::intptr_t) {
    if (msg == platform::kWmDropFiles)
        dropFiles(static_cast<platform::Handle>(wParam));
}

void TQelEdit::dropFiles(platform::Handle drop) {
    DropHandle release(drop);
    StringList flist = queryNames(drop);
    if (!flist.empty() && OnDropFiles)
        raise([&] { OnDropFiles(*this, flist); });
}

TQelEdit::StringList TQelEdit::queryNames(platform::Handle drop) {
    platform::DragDropApi& api = platform::dragDropApi();
    unsigned count = api.DragQueryFileA(drop, platform::kDragQueryFileCount, nullptr, 0);
    StringList names;
    for (unsigned i = 0; i < count; ++i) {
        unsigned length = api.DragQueryFileA(drop, i, nullptr, 0);
        if (length > kLongestName)
            continue;
        unsigned size = length * kBytesPerCharacter + kSlack;
        std::vector<char> buffer(std::size_t{size} + 1, '\0');
        api.DragQueryFileA(drop, i, buffer.data(), size);
        // An empty name is no file: Wine reports one for a drop without names.
        if (buffer[0] != '\0')
            names.emplace_back(buffer.data());
    }
    return names;
}
