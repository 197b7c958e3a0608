// The mounted file systems of disks, optical media and network shares that
// Win32_LogicalDisk and Win32_Volume list, with their space and label.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/linux/wmi/proc_parsers.h"
#include "platform/linux/wmi/system_calls.h"

namespace platform::linux_backend::wmi {

// Windows's DriveType numbers.
enum class DriveType : std::uint32_t { Removable = 2, Local = 3, Network = 4, Optical = 5 };

// The drive type of a file system type: Local for the file systems of
// disks, Network for shares (NFS, SMB, sshfs, 9p and virtiofs, through
// which virtual machines share the host's folders), Optical for those of
// optical media; nullopt for everything else (proc, sysfs, tmpfs, overlay,
// squashfs and the like), which holds no user's files on a drive.
std::optional<DriveType> DriveTypeOf(std::string_view fileSystem);

struct MountedVolume {
  std::string device;      // "/dev/sda1", "server:/export"
  std::string mountPoint;  // "/home"
  std::string fileSystem;  // as Linux names it: "ext4", "vfat", "nfs4"
  DriveType driveType = DriveType::Local;
  std::optional<VolumeSpace> space;
  std::optional<std::string> label;
};

// The mounts in the order of the mount table. A mount point mounted again
// shows only the last mount, the one that is seen there; a local file
// system on a disk that sysfs marks removable is Removable.
std::vector<MountedVolume> ReadMountedVolumes(const std::filesystem::path& root, const SystemCalls& calls);

}  // namespace platform::linux_backend::wmi
