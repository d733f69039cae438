#pragma once

// Loads a small inline layout through the document, as opening a file does,
// so that every test sees the whole post-load sequence (heights, geometry,
// footprint trimming).

#include <memory>
#include <string>
#include <vector>

#include "../support/temp_layout.h"
#include "doc/describe.h"
#include "doc/document.h"
#include "doc/layout_tables.h"
#include "track/track_obj.h"

struct LoadedLayout {
    explicit LoadedLayout(const std::string& text) : file(text) { opened = doc.onOpenDocument(file.path()); }

    template <class T> T* item(int number) { return dynamic_cast<T*>(doc.tables.item(number)); }
    std::vector<std::string> messages() const
    {
        std::vector<std::string> out;
        for (const std::wstring& m : doc.tables.loadMessages)
            out.push_back(narrowText(m));
        return out;
    }
    const EndPoint& end(int number) const
    {
        return doc.tables.endPoints.at(static_cast<std::size_t>(number));
    }

    TempLayout file;
    CRavloViewerDoc doc{""};
    bool opened = false;
};

// Keeps the dialog an item's describe shows, answering Cancel.
struct RecordingHost : DescribeHost {
    bool showModal(CDescribe& dialog) override
    {
        shown = dialog;
        ++count;
        return false;
    }
    const DescribeRow* row(const std::string& label) const
    {
        for (const DescribeRow& r : shown.rows)
            if (r.label == label)
                return &r;
        return nullptr;
    }
    std::vector<std::string> labels() const
    {
        std::vector<std::string> out;
        for (const DescribeRow& r : shown.rows)
            out.push_back(r.label);
        return out;
    }
    CDescribe shown;
    int count = 0;
};

// A layer line for layer 0, shown, colour 0x808080.
inline const char* const kLayer0 = "LAYERS 0 1 0 0 8421504 0 0 0 0 \"Main\"\n";
