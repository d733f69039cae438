#include "doc/document.h"

#include <cmath>
#include <filesystem>
#include <fstream>

#include "doc/elevation_solver.h"
#include "drawing/xobj.h"
#include "track/track_obj.h"

CRavloViewerDoc::CRavloViewerDoc(const std::string& profileFolder)
{
    loadProfiles(tables.profiles, profileFolder);
}

CRavloViewerDoc::~CRavloViewerDoc()
{
    destroyItems();
}

void CRavloViewerDoc::closeDialogs()
{
    if (layersDialog) {
        ModelessDialog* d = layersDialog;
        layersDialog = nullptr;
        d->closeDialog();
    }
    if (basePlaneDialog) {
        ModelessDialog* d = basePlaneDialog;
        basePlaneDialog = nullptr;
        d->closeDialog();
    }
}

void CRavloViewerDoc::onCloseDocument()
{
    closeDialogs();
}

void CRavloViewerDoc::destroyItems()
{
    while (trackItems) {
        CTrackObj* item = trackItems;
        trackItems = item->nextTrack();
        delete item;
    }
    while (otherItems) {
        CXObj* item = otherItems;
        otherItems = item->nextOther();
        delete item;
    }
}

bool CRavloViewerDoc::onOpenDocument(const std::string& path)
{
    // A folder opens as a stream on Linux but is no layout: it would only
    // replace the loaded layout with an empty one.
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return false;
    {
        std::ifstream probe(path, std::ios::binary);
        if (!probe)
            return false;
    }
    closeDialogs();
    destroyItems();
    tables.reset();
    outlineVertices.clear();
    loadLayout(path);
    postLoad();
    return true;
}

void CRavloViewerDoc::postLoad()
{
    // Earlier items (nearer the tail) win when two share a number.
    for (CTrackObj* t = trackItems; t; t = t->nextTrack())
        tables.itemsByNumber[t->number] = t;

    buildNeighbours(tables);
    solveElevations(tables);

    for (CTrackObj* t = trackItems; t; t = t->nextTrack())
        t->initDraw(outlineVertices);
    // Display lists are compiled into the view's context; without one they
    // are skipped (see glContextCurrent).
    if (glContext)
        glContext->makeContextCurrent();
    for (CXObj* o = otherItems; o; o = o->nextOther())
        o->buildGeometry();
    trimFootprints();
    for (CTrackObj* t = trackItems; t; t = t->nextTrack())
        t->buildDisplayLists(outlineVertices);

    if (!tables.loadMessages.empty() && messageSink)
        messageSink->showLoadMessages(tables.loadMessages);
}
