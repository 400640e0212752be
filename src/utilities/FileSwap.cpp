#include "utilities/FileSwap.h"

#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path pathOf(const QString &file) { return std::filesystem::path(file.toStdU16String()); }

QString reason(const QString &file, const std::error_code &ec)
{
    return file + QStringLiteral(": ") + QString::fromLocal8Bit(ec.message());
}

} // namespace

namespace FileSwap {

QString replace(const QString &from, const QString &to)
{
    std::error_code ec;
    std::filesystem::rename(pathOf(from), pathOf(to), ec);
    return ec ? reason(to, ec) : QString();
}

QString remove(const QString &file)
{
    std::error_code ec;
    std::filesystem::remove(pathOf(file), ec);
    return ec ? reason(file, ec) : QString();
}

} // namespace FileSwap
