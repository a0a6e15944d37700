#include "platform/path.h"

#include "platform/executable_path.h"

ZedString CutAtLastSeparator(const ZedString& path, ZedChar separator) {
    const size_t last = path.rfind(separator);
    if (last == ZedString::npos) {
        return ZedString();
    }
    return path.substr(0, last);
}

ZedString InstallationFolderOf(const ZedString& executablePath, ZedChar separator) {
    return CutAtLastSeparator(CutAtLastSeparator(executablePath, separator), separator);
}

ZedString FindInstallationFolder() { return InstallationFolderOf(ExecutablePath()); }

ZedString& InstallationFolder() {
    static ZedString folder;
    return folder;
}
