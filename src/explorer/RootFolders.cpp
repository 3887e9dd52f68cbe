#include "SystemTreeView.h"

int RootFolderCSIDL(TRootFolder root) {
    switch (root) {
    case TRootFolder::rfDesktop:
        return CSIDL::DESKTOP;
    case TRootFolder::rfRecycleBin:
        return CSIDL::BITBUCKET;
    case TRootFolder::rfControlPanel:
        return CSIDL::CONTROLS;
    case TRootFolder::rfDesktopDir:
        return CSIDL::DESKTOPDIRECTORY;
    case TRootFolder::rfDrives:
        return CSIDL::DRIVES;
    case TRootFolder::rfFavoriteURLs:
        return CSIDL::FAVORITES;
    case TRootFolder::rfFonts:
        return CSIDL::FONTS;
    case TRootFolder::rfNetHood:
        return CSIDL::NETWORK;
    case TRootFolder::rfNetHoodDir:
        return CSIDL::NETHOOD;
    case TRootFolder::rfDocumentDir:
        return CSIDL::PERSONAL;
    case TRootFolder::rfPrinters:
        return CSIDL::PRINTERS;
    case TRootFolder::rfPrograms:
        return CSIDL::PROGRAMS;
    case TRootFolder::rfRecentDir:
        return CSIDL::RECENT;
    case TRootFolder::rfSendTo:
        return CSIDL::SENDTO;
    case TRootFolder::rfStartMenu:
        return CSIDL::STARTMENU;
    case TRootFolder::rfStartup:
        return CSIDL::STARTUP;
    case TRootFolder::rfTemplates:
        return CSIDL::TEMPLATES;
    case TRootFolder::rfFileSystem:
        return CSIDL::DRIVES;
    case TRootFolder::rfCustom:
        return -1;
    }
    return -1;
}
