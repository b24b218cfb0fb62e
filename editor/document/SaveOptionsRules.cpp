#include "editor/document/SaveOptionsRules.h"

#include "editor/document/DocumentClass.h"

namespace zelt {

void StoreSaveOptions(bool leaveZOut, bool includeSignature, std::string_view signature) {
    TemplateDocument& doc = Doc();
    doc.leaveZOut = leaveZOut;
    doc.includeSignature = includeSignature;
    doc.signature = std::string(signature.substr(0, kMaxSignatureLength));
}

std::string SignatureToWrite() {
    const TemplateDocument& doc = Doc();
    return doc.includeSignature ? doc.signature : std::string();
}

}  // namespace zelt
