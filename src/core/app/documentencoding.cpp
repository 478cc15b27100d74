#include "core/app/documentencoding.h"

namespace varnik {

DocumentEncoding DocumentEncoding::utf8(bool withBom)
{
    DocumentEncoding e;
    e.kind_ = withBom ? Kind::Utf8Bom : Kind::Utf8;
    return e;
}

DocumentEncoding DocumentEncoding::legacy(std::shared_ptr<const CodePage> page)
{
    if (!page)
        return utf8();
    DocumentEncoding e;
    e.kind_ = Kind::CodePage;
    e.page_ = std::move(page);
    return e;
}

DocumentEncoding DocumentEncoding::legacy(const QString& codePageName)
{
    return legacy(CodePage::forName(codePageName));
}

QString DocumentEncoding::name() const
{
    switch (kind_) {
    case Kind::Utf8:
        return QStringLiteral("UTF-8");
    case Kind::Utf8Bom:
        return QStringLiteral("UTF-8 with BOM");
    case Kind::CodePage:
        break;
    }
    return page_->name();
}

bool DocumentEncoding::operator==(const DocumentEncoding& other) const
{
    if (kind_ != other.kind_)
        return false;
    return kind_ != Kind::CodePage || page_ == other.page_ ||
           page_->name().compare(other.page_->name(), Qt::CaseInsensitive) == 0;
}

} // namespace varnik
