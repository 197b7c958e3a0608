#include "platform/linux/wmi/mounted_volumes.h"

#include <algorithm>
#include <system_error>

#include "platform/linux/wmi/sys_files.h"

namespace platform::linux_backend::wmi {

namespace fs = std::filesystem;

namespace {

// The block device name behind a mount's device ("sda1" for "/dev/sda1",
// "dm-0" for "/dev/mapper/root", which udev makes a link to "../dm-0").
std::optional<std::string> BlockDeviceName(const fs::path& root, const std::string& device) {
  if (device.rfind("/dev/", 0) != 0) return std::nullopt;
  if (std::optional<std::string> target = LinkTargetName(UnderRoot(root, device))) return target;
  return fs::path(device).filename().string();
}

// Whether the disk holding the block device (the device itself, or the disk
// whose partition it is) is marked removable.
bool IsOnRemovableDisk(const fs::path& root, const std::string& name) {
  const fs::path block = UnderRoot(root, "/sys/block");
  std::error_code error;
  if (fs::exists(block / name, error)) return ReadValue(block / name / "removable") == "1";
  for (const std::string& disk : ListNames(block)) {
    if (fs::exists(block / disk / name / "partition", error)) return ReadValue(block / disk / "removable") == "1";
  }
  return false;
}

// The label that udev gives the block device in /dev/disk/by-label.
std::optional<std::string> Label(const fs::path& root, const std::string& name) {
  const fs::path labels = UnderRoot(root, "/dev/disk/by-label");
  for (const std::string& label : ListNames(labels)) {
    if (LinkTargetName(labels / label) == name) return DecodeUdevLabel(label);
  }
  return std::nullopt;
}

}  // namespace

std::optional<DriveType> DriveTypeOf(std::string_view fileSystem) {
  static constexpr std::string_view kLocal[] = {"ext2",     "ext3", "ext4",    "xfs",      "btrfs", "vfat", "msdos",
                                                "exfat",    "ntfs", "ntfs3",   "fuseblk",  "f2fs",  "zfs",  "jfs",
                                                "reiserfs", "hfs",  "hfsplus", "bcachefs", "nilfs2"};
  static constexpr std::string_view kNetwork[] = {"nfs", "nfs4",     "cifs",       "smb3", "smbfs",
                                                  "9p",  "virtiofs", "fuse.sshfs", "ceph", "glusterfs"};
  static constexpr std::string_view kOptical[] = {"iso9660", "udf"};
  const auto in = [&](const auto& list) {
    return std::find(std::begin(list), std::end(list), fileSystem) != std::end(list);
  };
  if (in(kLocal)) return DriveType::Local;
  if (in(kNetwork)) return DriveType::Network;
  if (in(kOptical)) return DriveType::Optical;
  return std::nullopt;
}

std::vector<MountedVolume> ReadMountedVolumes(const fs::path& root, const SystemCalls& calls) {
  const std::optional<std::string> text = ReadFileText(UnderRoot(root, "/proc/self/mounts"));
  std::vector<MountEntry> mounts;
  for (MountEntry& mount : ParseMounts(text.value_or(""))) {
    if (!DriveTypeOf(mount.type)) continue;
    std::erase_if(mounts, [&](const MountEntry& earlier) { return earlier.mountPoint == mount.mountPoint; });
    mounts.push_back(std::move(mount));
  }
  std::vector<MountedVolume> volumes;
  for (MountEntry& mount : mounts) {
    MountedVolume volume;
    volume.driveType = *DriveTypeOf(mount.type);
    if (volume.driveType == DriveType::Local || volume.driveType == DriveType::Optical) {
      if (const std::optional<std::string> name = BlockDeviceName(root, mount.device)) {
        if (volume.driveType == DriveType::Local && IsOnRemovableDisk(root, *name)) {
          volume.driveType = DriveType::Removable;
        }
        volume.label = Label(root, *name);
      }
    }
    volume.space = calls.StatVfs(UnderRoot(root, mount.mountPoint));
    volume.device = std::move(mount.device);
    volume.mountPoint = std::move(mount.mountPoint);
    volume.fileSystem = std::move(mount.type);
    volumes.push_back(std::move(volume));
  }
  return volumes;
}

}  // namespace platform::linux_backend::wmi
