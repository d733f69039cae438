#pragma once

#include <string>

#include "doc/layout_tables.h"
#include "mesh/outline_vertex.h"

class CTrackObj;
class CXObj;

// A modeless dialog the document keeps track of so that opening another
// layout can close it first.
class ModelessDialog {
public:
    virtual ~ModelessDialog() = default;
    virtual void closeDialog() = 0;
};

// Shows the messages collected while loading, after the post-load sequence.
class LoadMessageSink {
public:
    virtual ~LoadMessageSink() = default;
    virtual void showLoadMessages(const std::vector<std::wstring>& messages) = 0;
};

// Makes the rendering context that will draw the layout current, so that
// the items' display lists are compiled into it after loading.
class GlContextProvider {
public:
    virtual ~GlContextProvider() = default;
    // False when no usable context can be had; the lists are then not built.
    virtual bool makeContextCurrent() = 0;
};

// The one document: the loaded layout's items and tables, the shared outline
// vertices and the settings the view, dialogs and export share.
class CRavloViewerDoc {
public:
    // Fills the profiles from the built-in "N" and "RavloViewer.cfg" in the
    // given folder (programFolder() in the program).
    explicit CRavloViewerDoc(const std::string& profileFolder);
    ~CRavloViewerDoc();
    CRavloViewerDoc(const CRavloViewerDoc&) = delete;
    CRavloViewerDoc& operator=(const CRavloViewerDoc&) = delete;

    // Replaces the layout with the file's; false (and nothing changed) when
    // the file cannot be opened.
    bool onOpenDocument(const std::string& path);
    void onCloseDocument();

    // Reads the file's records into the (already emptied) document.
    void loadLayout(const std::string& path);

    CTrackObj* trackItems = nullptr;
    CXObj* otherItems = nullptr;
    LayoutTables tables;
    OutlineVertices outlineVertices;
    ModelessDialog* layersDialog = nullptr;
    ModelessDialog* basePlaneDialog = nullptr;
    bool drawStructures = false;
    bool showBasePlane = true;
    double basePlaneLevel = 0.0;
    unsigned basePlaneColor = 0xC0C0C0;
    int basePlaneOpacity = 90;

    // Where the "Read File" messages go; none in headless use.
    LoadMessageSink* messageSink = nullptr;
    // The view's rendering context; none in headless use, where nothing is
    // drawn and no display lists are compiled.
    GlContextProvider* glContext = nullptr;

private:
    void closeDialogs();
    void destroyItems();
    void postLoad();
    void trimFootprints();
};
