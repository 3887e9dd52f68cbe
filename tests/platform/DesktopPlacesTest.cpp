#include "DesktopPlaces.h"

#include <gtest/gtest.h>

TEST(DesktopPlaces, VolumesComeFromMediaAndMntMounts) {
    const QByteArray table = "/dev/sda1 / ext4 rw 0 0\n"
                             "/dev/sdb1 /media/ann/USB\\040Stick vfat rw 0 0\n"
                             "/dev/sdc1 /run/media/ann/Card vfat rw 0 0\n"
                             "/dev/sdd1 /mnt/backup ext4 rw 0 0\n"
                             "proc /proc proc rw 0 0\n"
                             "garbage\n";
    const auto volumes = VolumePlaces(table);
    ASSERT_EQ(volumes.size(), 3u);
    EXPECT_EQ(volumes[0].path, QByteArray("/media/ann/USB Stick"));
    EXPECT_EQ(volumes[0].displayName, QStringLiteral("USB Stick"));
    EXPECT_EQ(volumes[0].kind, TPlaceKind::RemovableVolume);
    EXPECT_EQ(volumes[1].kind, TPlaceKind::RemovableVolume);
    EXPECT_EQ(volumes[2].kind, TPlaceKind::Volume);
}

TEST(DesktopPlaces, HomeAndFileSystemAlwaysThere) {
    const auto places = DesktopPlaces(QStringLiteral("/nonexistent/mounts"));
    ASSERT_GE(places.size(), 2u);
    EXPECT_EQ(places.front().kind, TPlaceKind::Home);
    EXPECT_EQ(places.back().kind, TPlaceKind::FileSystem);
}
