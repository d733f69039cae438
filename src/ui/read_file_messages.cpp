#include "ui/read_file_messages.h"

#include "doc/layout_tables.h"

void ReadFileMessages::fillModel(CDescribe& dialog, const std::vector<std::wstring>& messages)
{
    int top = 20;
    for (const std::wstring& message : messages)
        top = dialog.addMessageRow(top, narrowText(message));
    dialog.setTitle("Read File");
}

void ReadFileMessages::showLoadMessages(const std::vector<std::wstring>& messages)
{
    CDescribe dialog;
    fillModel(dialog, messages);
    dialog.show(host);
}
