// The document's save options as the save options dialog stores them.
#pragma once
#include <string>
#include <string_view>

namespace zelt {

// Stores the options; the signature keeps its first 126 characters.
void StoreSaveOptions(bool leaveZOut, bool includeSignature, std::string_view signature);

// The signature a save writes: the text only while "include signature" is ticked, else none.
std::string SignatureToWrite();

}  // namespace zelt
