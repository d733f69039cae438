#include "headless.h"

#include <cstdio>
#include <iostream>

#include "doc/document.h"
#include "doc/scale_profile.h"

int runCheck(const CommandLine& c)
{
    CRavloViewerDoc doc(programFolder());
    if (!doc.onOpenDocument(c.layout)) {
        std::cerr << "ravloviewer: cannot open layout file " << c.layout << "\n";
        return 2;
    }
    for (const std::wstring& m : doc.tables.loadMessages)
        std::cout << narrowText(m) << "\n";
    return doc.tables.loadMessages.empty() ? 0 : 1;
}
