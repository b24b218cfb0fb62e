#include "editor/document/SaveOptionsRules.h"

#include "editor/document/DocumentClass.h"
#include "editor/template/Utf8Text.h"

namespace zelt {

void StoreSaveOptions(bool leaveZOut, bool includeSignature, std::string_view signature) {
    TemplateDocument& doc = Doc();
    doc.leaveZOut = leaveZOut;
    doc.includeSignature = includeSignature;
    // The first characters as the edit counts them (UTF-16 units), none cut in two.
    doc.signature = std::string(Utf8PrefixOfUnits(signature, kMaxSignatureLength));
}

std::string SignatureToWrite() {
    const TemplateDocument& doc = Doc();
    return doc.includeSignature ? doc.signature : std::string();
}

}  // namespace zelt
