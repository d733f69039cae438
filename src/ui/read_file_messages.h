#pragma once

#include "doc/describe.h"
#include "doc/document.h"

// Lists the messages collected while loading in the "Read File" properties
// dialog, one message line each, and waits until it is closed.
class ReadFileMessages : public LoadMessageSink {
public:
    explicit ReadFileMessages(DescribeHost& host) : host(host) {}
    void showLoadMessages(const std::vector<std::wstring>& messages) override;

    // The dialog model the messages make, for the window and for tests.
    static void fillModel(CDescribe& dialog, const std::vector<std::wstring>& messages);

private:
    DescribeHost& host;
};
