// The document's questions, dialogs, messages and refreshes, answered by the editor's windows.
#pragma once

namespace zelt {

// Makes the editor's windows the document's interface (SetDocumentUi), or takes them away again.
void InstallShellUi();
void RemoveShellUi();

}  // namespace zelt
