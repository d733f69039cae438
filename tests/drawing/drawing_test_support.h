#pragma once

// Helpers of the drawing tests: a properties host that plays the user, a
// layout loaded through the document from a temporary file, and a quiet
// sink for the display-list messages that appear without a GL context.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../support/temp_layout.h"
#include "doc/describe.h"
#include "doc/document.h"
#include "drawing/xobj.h"
#include "mesh/gl_messages.h"

// Records what the dialog showed and answers OK (or Cancel) after running
// the test's edits on it.
class RecordingHost : public DescribeHost {
public:
    explicit RecordingHost(bool ok = true, std::function<void(CDescribe&)> edit = {})
        : ok(ok), edit(std::move(edit))
    {
    }
    bool showModal(CDescribe& dialog) override
    {
        ++shown;
        title = dialog.title;
        rows = dialog.rows;
        offerBase = dialog.offerBase;
        for (const auto& [id, e] : dialog.pointEdits)
            fields.push_back({id, dialog.fieldText(id)});
        if (edit)
            edit(dialog);
        return ok;
    }
    // The value of the row with this label, or "<none>".
    std::string value(const std::string& label) const
    {
        for (const DescribeRow& r : rows)
            if (r.label == label)
                return r.value;
        return "<none>";
    }
    std::vector<std::string> labels() const
    {
        std::vector<std::string> out;
        for (const DescribeRow& r : rows)
            out.push_back(r.label);
        return out;
    }

    bool ok;
    std::function<void(CDescribe&)> edit;
    int shown = 0;
    std::string title;
    std::vector<DescribeRow> rows;
    bool offerBase = false;
    std::vector<std::pair<int, std::string>> fields;
};

// Silences the GL message sink for one test.
class QuietGl {
public:
    QuietGl()
    {
        setGlMessageSink([](const char*) {});
    }
    ~QuietGl() { setGlMessageSink(nullptr); }
};

// A document holding one layout read from the given text.
class LoadedLayout {
public:
    explicit LoadedLayout(const std::string& text) : file(text), doc("/nonexistent-profile-folder")
    {
        loaded = doc.onOpenDocument(file.path());
    }
    // The non-track items, head (last read) first.
    std::vector<CXObj*> items() const
    {
        std::vector<CXObj*> out;
        for (CXObj* o = doc.otherItems; o; o = o->nextOther())
            out.push_back(o);
        return out;
    }
    std::vector<std::string> messages() const
    {
        std::vector<std::string> out;
        for (const std::wstring& m : doc.tables.loadMessages)
            out.push_back(narrowText(m));
        return out;
    }

    QuietGl quiet;
    TempLayout file;
    CRavloViewerDoc doc;
    bool loaded = false;
};

// The LAYERS record of layer 0, visible, named "Main".
inline const char* kLayer0 = "LAYERS 0 1 0 0 255 0 0 0 0 Main\n";
