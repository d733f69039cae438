#include "drawing/describe_rows.h"

#include "track/xbase.h"

std::string describeTitle(int number, const std::string& kind)
{
    return itemTitle(number) + kind;
}
