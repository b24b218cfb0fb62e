// What the document and the tile commands need from the user interface: questions, file dialogs,
// messages, texts and refresh requests. The Win32 shell implements it; the tests use a script.
#pragma once
#include <optional>
#include <string>

namespace zelt {

enum class Answer { Yes, No, Cancel };
enum class MessageIcon { Error, Warning, Information, Question, Exclamation };

// Parts of the interface a change may have to bring up to date.
enum RefreshPart : unsigned {
    kRefreshWindowState = 1,  // title, status bar, enabled and checked commands
    kRefreshPanel = 2,        // tile properties panel, for the selected tile
    kRefreshMainView = 4,
    kRefreshStrip = 8,
    kRefreshHotButtons = 16,
};
inline constexpr unsigned kRefreshAll = kRefreshWindowState | kRefreshPanel | kRefreshMainView | kRefreshStrip;

class DocumentUi {
public:
    virtual ~DocumentUi() = default;
    // A message box with the program's name as caption; Yes/No, or Yes/No/Cancel.
    virtual Answer Ask(const char* key, MessageIcon icon, bool withCancel) = 0;
    virtual void ShowMessage(const char* key, MessageIcon icon) = 0;
    // The save-as dialog for templates; none when cancelled.
    virtual std::optional<std::string> AskSavePath() = 0;
    // The number-input dialog; none when cancelled or not a number.
    virtual std::optional<int> AskNumber(const char* captionKey) = 0;
    // The text of a string-table key.
    virtual std::string Text(const char* key) = 0;
    virtual void AddRecentFile(const std::string& path) = 0;
    virtual void RemoveRecentFile(const std::string& path) = 0;
    // Opens a folder in the shell with the verb "explore".
    virtual void ExploreFolder(const std::string& folder) = 0;
    // The palette box of the properties panel.
    virtual void ShowPaletteName(const std::string& name) = 0;
    virtual void Refresh(unsigned parts) = 0;
};

// The interface in use; until one is installed, questions are answered Cancel, dialogs are
// cancelled and everything else is ignored.
DocumentUi& Ui();
void SetDocumentUi(DocumentUi* ui);

// Batch processing suspends the refreshes; RequestRefresh drops them meanwhile.
void SuspendInterfaceUpdates(bool suspended);
bool InterfaceUpdatesSuspended();
void RequestRefresh(unsigned parts);

}  // namespace zelt
