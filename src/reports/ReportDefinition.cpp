#include "reports/ReportDefinition.h"

namespace Report {

Item Item::label(double x, double y, double width, QString text, Align a, Font f)
{
    Item i;
    i.kind = Kind::Text;
    i.x = x;
    i.y = y;
    i.width = width;
    i.text = std::move(text);
    i.align = a;
    i.font = f;
    if (f == Font::Title)
        i.height = 10;
    return i;
}

Item Item::field(double x, double y, double width, QString column, Format format, Align a, QString prefix)
{
    Item i;
    i.kind = Kind::Field;
    i.x = x;
    i.y = y;
    i.width = width;
    i.name = std::move(column);
    i.format = format;
    i.align = a;
    i.text = std::move(prefix);
    return i;
}

Item Item::computed(double x, double y, double width, std::function<QString(const Context &)> compute, Align a, Font f)
{
    Item i;
    i.kind = Kind::Computed;
    i.x = x;
    i.y = y;
    i.width = width;
    i.compute = std::move(compute);
    i.align = a;
    i.font = f;
    return i;
}

Item Item::total(double x, double y, double width, QString id, Format format, Align a, QString prefix)
{
    Item i;
    i.kind = Kind::Total;
    i.x = x;
    i.y = y;
    i.width = width;
    i.name = std::move(id);
    i.format = format;
    i.align = a;
    i.text = std::move(prefix);
    return i;
}

Item Item::rule(double x, double y, double width)
{
    Item i;
    i.kind = Kind::Rule;
    i.x = x;
    i.y = y;
    i.width = width;
    i.height = 0;
    return i;
}

} // namespace Report
