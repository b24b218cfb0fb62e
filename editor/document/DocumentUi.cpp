#include "editor/document/DocumentUi.h"

namespace zelt {

namespace {

// Stands in until the shell installs its interface: nothing is asked, nothing is shown.
class SilentUi final : public DocumentUi {
public:
    Answer Ask(const char*, MessageIcon, bool) override { return Answer::Cancel; }
    void ShowMessage(const char*, MessageIcon) override {}
    std::optional<std::string> AskSavePath() override { return std::nullopt; }
    std::optional<int> AskNumber(const char*) override { return std::nullopt; }
    std::string Text(const char* key) override { return key; }
    void AddRecentFile(const std::string&) override {}
    void RemoveRecentFile(const std::string&) override {}
    void ExploreFolder(const std::string&) override {}
    void ShowPaletteName(const std::string&) override {}
    void Refresh(unsigned) override {}
};

SilentUi silentUi;
DocumentUi* currentUi = &silentUi;
bool updatesSuspended = false;

}  // namespace

DocumentUi& Ui() { return *currentUi; }

void SetDocumentUi(DocumentUi* ui) { currentUi = ui ? ui : &silentUi; }

void SuspendInterfaceUpdates(bool suspended) { updatesSuspended = suspended; }

bool InterfaceUpdatesSuspended() { return updatesSuspended; }

void RequestRefresh(unsigned parts) {
    if (!updatesSuspended && parts != 0) Ui().Refresh(parts);
}

}  // namespace zelt
