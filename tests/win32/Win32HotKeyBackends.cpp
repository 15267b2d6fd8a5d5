#include "HotKeyHolderProcess.h"
#include "fakes/HotKeyBackends.h"

namespace {

// The real functions, a message-only window of this process (it needs no
// display) and hotkey_holder.exe as the other process.
class RealHotKeyDesktop final : public HotKeyDesktop {
public:
    RealHotKeyDesktop()
        : window_(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                  nullptr)) {}
    ~RealHotKeyDesktop() override {
        holder_.stop();
        if (window_)
            DestroyWindow(window_);
    }

    platform::HotKeyApi& api() override { return platform::Seam<platform::HotKeyApi>::system(); }
    platform::Handle window() override { return reinterpret_cast<platform::Handle>(window_); }

    std::optional<std::vector<std::uint16_t>>
    holdElsewhere(const std::vector<Combination>& hotKeys,
                  const std::vector<std::string>& atomNames) override {
        std::vector<std::string> arguments;
        for (const Combination& c : hotKeys)
            arguments.push_back("hotkey:" + std::to_string(c.modifiers) + ":" +
                                std::to_string(c.vk));
        for (const std::string& name : atomNames)
            arguments.push_back("atom:" + name);
        auto report = holder_.start(arguments);
        if (!report || report->size() != arguments.size() || !holdsAll(*report, hotKeys.size())) {
            holder_.stop();
            return std::nullopt;
        }
        std::vector<std::uint16_t> atoms;
        for (size_t i = hotKeys.size(); i < report->size(); ++i)
            atoms.push_back(static_cast<std::uint16_t>((*report)[i]));
        return atoms;
    }

    void releaseElsewhere() override { holder_.stop(); }

private:
    static bool holdsAll(const std::vector<unsigned long>& report, size_t hotKeys) {
        for (size_t i = 0; i < hotKeys; ++i)
            if (report[i] != 0)
                return false;
        return true;
    }

    HWND window_;
    HotKeyHolderProcess holder_;
};

} // namespace

HotKeyBackend realBackend(const HotKeyBackend&) {
    return {"Real", [] { return std::make_shared<RealHotKeyDesktop>(); }};
}
