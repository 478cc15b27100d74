#include "ui/app/scintilladocumentloader.h"

#include <Qsci/qsciscintillabase.h>

#include <cstddef>
#include <new>

// Scintilla's document loader interface (its ILoader.h, which QScintilla does
// not install), declared as Scintilla declares it: the loader the control
// hands out is used through its own type.
class ILoader {
public:
    virtual int Release() = 0;
    // 0, or an SC_STATUS_* failure.
    virtual int AddData(const char* data, std::ptrdiff_t length) = 0;
    virtual void* ConvertToDocument() = 0;
};

namespace varnik {

using Sci = QsciScintillaBase;

namespace {

// The settings Scintilla keeps with the document rather than with the view.
struct DocumentSettings {
    long codePage, eolMode, tabWidth, indent, useTabs, tabIndents, backspaceUnindents, readOnly,
        undoCollection, characterIndex;

    explicit DocumentSettings(const Sci* sci)
        : codePage(sci->SendScintilla(Sci::SCI_GETCODEPAGE)),
          eolMode(sci->SendScintilla(Sci::SCI_GETEOLMODE)),
          tabWidth(sci->SendScintilla(Sci::SCI_GETTABWIDTH)), indent(sci->SendScintilla(Sci::SCI_GETINDENT)),
          useTabs(sci->SendScintilla(Sci::SCI_GETUSETABS)),
          tabIndents(sci->SendScintilla(Sci::SCI_GETTABINDENTS)),
          backspaceUnindents(sci->SendScintilla(Sci::SCI_GETBACKSPACEUNINDENTS)),
          readOnly(sci->SendScintilla(Sci::SCI_GETREADONLY)),
          undoCollection(sci->SendScintilla(Sci::SCI_GETUNDOCOLLECTION)),
          characterIndex(sci->SendScintilla(Sci::SCI_GETLINECHARACTERINDEX))
    {
    }

    void applyTo(Sci* sci) const
    {
        sci->SendScintilla(Sci::SCI_SETCODEPAGE, codePage);
        sci->SendScintilla(Sci::SCI_SETEOLMODE, eolMode);
        sci->SendScintilla(Sci::SCI_SETTABWIDTH, tabWidth);
        sci->SendScintilla(Sci::SCI_SETINDENT, indent);
        sci->SendScintilla(Sci::SCI_SETUSETABS, useTabs);
        sci->SendScintilla(Sci::SCI_SETTABINDENTS, tabIndents);
        sci->SendScintilla(Sci::SCI_SETBACKSPACEUNINDENTS, backspaceUnindents);
        if (characterIndex != Sci::SC_LINECHARACTERINDEX_NONE)
            sci->SendScintilla(Sci::SCI_ALLOCATELINECHARACTERINDEX, characterIndex);
        sci->SendScintilla(Sci::SCI_SETUNDOCOLLECTION, undoCollection);
        sci->SendScintilla(Sci::SCI_SETREADONLY, readOnly);
    }
};

} // namespace

ScintillaDocumentLoader::ScintillaDocumentLoader(QsciScintillaBase* control) : sci_(control) {}

ScintillaDocumentLoader::~ScintillaDocumentLoader()
{
    drop();
}

void ScintillaDocumentLoader::drop()
{
    if (loader_)
        loader_->Release();
    loader_ = nullptr;
}

void ScintillaDocumentLoader::begin(qint64 bytes)
{
    drop();
    // Some room to spare: a document filled to its exact room would be copied
    // into a larger one by the last piece, or when its text is read at once.
    const auto room = static_cast<unsigned long>(std::max<qint64>(bytes, 0) + 64);
    const long loader = sci_->SendScintilla(Sci::SCI_CREATELOADER, room,
                                            static_cast<long>(Sci::SC_DOCUMENTOPTION_STYLES_NONE));
    loader_ = reinterpret_cast<ILoader*>(loader);
    if (!loader_)
        throw std::bad_alloc();
}

void ScintillaDocumentLoader::append(QByteArrayView utf8)
{
    if (!loader_)
        begin(utf8.size());
    // The only way adding can fail is running out of memory.
    if (!utf8.isEmpty() && loader_->AddData(utf8.data(), utf8.size()) != 0)
        throw std::bad_alloc();
}

void ScintillaDocumentLoader::finish()
{
    if (!loader_)
        begin(0);
    const DocumentSettings settings(sci_);
    void* document = loader_->ConvertToDocument();
    loader_ = nullptr;
    // With lines wrapped, taking a new document lays out every one of its
    // lines at once (for annotation heights); wrapped afterwards, only the
    // lines on screen are laid out and the rest follow while the control idles.
    const long wrap = sci_->SendScintilla(Sci::SCI_GETWRAPMODE);
    sci_->SendScintilla(Sci::SCI_SETWRAPMODE, Sci::SC_WRAP_NONE);
    sci_->SendScintilla(Sci::SCI_SETDOCPOINTER, 0UL, document);
    sci_->SendScintilla(Sci::SCI_RELEASEDOCUMENT, 0UL, document); // the control holds it now
    settings.applyTo(sci_);
    sci_->SendScintilla(Sci::SCI_SETWRAPMODE, wrap);
    sci_->SendScintilla(Sci::SCI_GOTOPOS, 0UL); // and the view scrolled to it
}

} // namespace varnik
