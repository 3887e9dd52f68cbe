#include "TreePopulation.h"

#include "ShellRecords.h"

std::uint32_t TreeEnumFlags(const TTreeFilter& filter) {
    std::uint32_t flags = SHCONTF::FOLDERS;
    if (filter.ShowHiddenDirs)
        flags |= SHCONTF::INCLUDEHIDDEN;
    if (filter.ShowFiles)
        flags |= SHCONTF::NONFOLDERS;
    return flags;
}

std::optional<TTreeChild> ReadTreeChild(const TShellFolder& folder, ItemIDList relative,
                                        QString name, const TTreeFilter& filter) {
    const std::uint32_t attributes =
        folder.GetAttributesOf(relative, SFGAO::RequestMask).value_or(0);
    if (filter.FileSystemOnly && !(attributes & (SFGAO::FILESYSTEM | SFGAO::FILESYSANCESTOR)))
        return std::nullopt;
    // The tree matches the display name, not a path.
    if (filter.Masks && !(attributes & SFGAO::FOLDER) && !MatchesMaskList(name, filter.Masks))
        return std::nullopt;
    TTreeChild child;
    child.HasButton = attributes & SFGAO::HASSUBFOLDER;
    // Only a folder can hold files: a file is not opened to find that out.
    if (filter.ShowFiles && !child.HasButton && (attributes & SFGAO::FOLDER))
        child.HasButton = FolderYieldsFiles(folder, relative, filter.ShowHiddenDirs);
    child.Relative = std::move(relative);
    child.Name = std::move(name);
    child.Attributes = attributes;
    return child;
}

std::optional<TTreeEnumeration>
EnumerateTreeChildren(const TShellFolder& folder, const TTreeFilter& filter,
                      const std::function<bool(PCItemID relative)>& known) {
    const auto items = folder.EnumObjects(TreeEnumFlags(filter));
    if (!items)
        return std::nullopt;
    TTreeEnumeration result;
    while (auto relative = items->Next()) {
        result.Any = true;
        if (known(*relative))
            continue;
        QString name = GetDisplayName(folder, *relative, 0);
        if (auto child = ReadTreeChild(folder, std::move(*relative), std::move(name), filter))
            result.Children.push_back(std::move(*child));
    }
    return result;
}

bool FolderYieldsFiles(const TShellFolder& folder, PCItemID relative, bool includeHidden) {
    const TShellFolderRef bound = folder.BindToObject(relative);
    if (!bound)
        return false;
    const auto items =
        bound->EnumObjects(SHCONTF::NONFOLDERS | (includeHidden ? SHCONTF::INCLUDEHIDDEN : 0));
    return items && items->Next().has_value();
}
