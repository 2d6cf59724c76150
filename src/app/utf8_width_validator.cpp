#include "app/utf8_width_validator.h"

#include "common/utf8.h"

namespace lexorama::app {

Utf8WidthValidator::Utf8WidthValidator(std::size_t width, QObject *parent)
    : QValidator(parent), width_(width)
{
}

QValidator::State Utf8WidthValidator::validate(QString &input, int &pos) const
{
    const QByteArray bytes = input.toUtf8();
    if (width_ == 0 || static_cast<std::size_t>(bytes.size()) <= width_)
        return Acceptable;
    const std::string_view cut = utf8::cutToWidth(std::string_view(bytes.constData(), bytes.size()), width_);
    input = QString::fromUtf8(cut.data(), static_cast<qsizetype>(cut.size()));
    pos = std::min(pos, static_cast<int>(input.size()));
    return Acceptable;
}

} // namespace lexorama::app
