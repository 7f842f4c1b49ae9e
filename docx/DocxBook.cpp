#include "docx/DocxBook.h"

#include "docx/WordParts.h"
#include "docx/ZipPackage.h"

namespace rokal::docx {

std::string DocxBytes(const book::Document& document) {
    ZipPackage package;
    package.Add("[Content_Types].xml", ContentTypesXml());
    package.Add("_rels/.rels", PackageRelationshipsXml());
    package.Add("docProps/core.xml", CorePropertiesXml(document));
    package.Add("docProps/app.xml", AppPropertiesXml());
    package.Add("word/_rels/document.xml.rels", DocumentRelationshipsXml());
    package.Add("word/document.xml", DocumentXml(document));
    package.Add("word/styles.xml", StylesXml());
    package.Add("word/settings.xml", SettingsXml());
    package.Add("word/header1.xml", HeaderXml(document));
    package.Add("word/footer1.xml", FooterXml());
    return package.Finish();
}

void WriteDocx(const book::Document& document, const std::filesystem::path& path,
               const DiskSync& sync) {
    WriteFileReplacing(path, DocxBytes(document), sync);
}

}  // namespace rokal::docx
