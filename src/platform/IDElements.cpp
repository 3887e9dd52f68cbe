#include "IDElements.h"

#include <string>

namespace IDElements {

ItemIDList makeName(const QByteArray& fileName) {
    std::string data(1, NameTag);
    data.append(fileName.constData(), static_cast<std::size_t>(fileName.size()));
    data.push_back('\0');
    return MakeSingleIDList(data);
}

ItemIDList makePlace(TPlaceKind kind, const QByteArray& absolutePath) {
    std::string data{PlaceTag, static_cast<char>(kind)};
    data.append(absolutePath.constData(), static_cast<std::size_t>(absolutePath.size()));
    return MakeSingleIDList(data);
}

bool isName(PCItemID element) {
    const auto data = ElementData(element);
    return !data.empty() && data.front() == NameTag;
}

bool isPlace(PCItemID element) {
    const auto data = ElementData(element);
    return data.size() >= 2 && data.front() == PlaceTag;
}

bool isDesktopPlace(PCItemID absolute) {
    return IDListElementCount(absolute) == 1 && isPlace(absolute);
}

QByteArray nameOf(PCItemID element) {
    if (!isName(element))
        return {};
    auto data = ElementData(element).substr(1);
    const auto end = data.find('\0');
    if (end != std::string_view::npos)
        data = data.substr(0, end);
    return QByteArray(data.data(), static_cast<qsizetype>(data.size()));
}

TPlaceKind placeKindOf(PCItemID element) {
    return static_cast<TPlaceKind>(ElementData(element)[1]);
}

QByteArray placePathOf(PCItemID element) {
    if (!isPlace(element))
        return {};
    const auto data = ElementData(element).substr(2);
    return QByteArray(data.data(), static_cast<qsizetype>(data.size()));
}

} // namespace IDElements
