#include "fakes/FakeHotKeyApi.h"
#include "fakes/FakeHotKeySystem.h"
#include "fakes/HotKeyBackends.h"

namespace {

// Two fake processes over one fake system.
class FakeHotKeyDesktop final : public HotKeyDesktop {
public:
    ~FakeHotKeyDesktop() override { releaseElsewhere(); }

    platform::HotKeyApi& api() override { return mine_; }
    platform::Handle window() override { return 0x10010; }

    std::optional<std::vector<std::uint16_t>>
    holdElsewhere(const std::vector<Combination>& hotKeys,
                  const std::vector<std::string>& atomNames) override {
        releaseElsewhere();
        other_ = std::make_unique<FakeHotKeyApi>(system_);
        int id = 1;
        for (const Combination& c : hotKeys)
            if (!other_->RegisterHotKey(kOtherWindow, id++, c.modifiers, c.vk)) {
                releaseElsewhere();
                return std::nullopt;
            }
        for (const std::string& name : atomNames)
            otherAtoms_.push_back(other_->GlobalAddAtomA(name.c_str()));
        return otherAtoms_;
    }

    void releaseElsewhere() override {
        for (std::uint16_t atom : otherAtoms_)
            other_->GlobalDeleteAtom(atom);
        otherAtoms_.clear();
        other_.reset();
    }

private:
    static constexpr platform::Handle kOtherWindow = 0x20020;

    FakeHotKeySystem system_;
    FakeHotKeyApi mine_{system_};
    std::unique_ptr<FakeHotKeyApi> other_;
    std::vector<std::uint16_t> otherAtoms_;
};

} // namespace

HotKeyBackend fakeHotKeyBackend() {
    return fakeBackend<HotKeyDesktop, FakeHotKeyDesktop>();
}
