#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#ifdef QT_CORE_LIB
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#endif

// A folder of its own for one test, below the test home when there is one, removed with
// everything in it when the test ends.
class TempFolder {
public:
    TempFolder() : TempFolder(defaultBase()) {}
    // Below base instead, such as a memory file system for a test that saves thousands of times.
    explicit TempFolder(const std::filesystem::path& base) {
        std::string pattern = (base / "tmp-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

#ifdef QT_CORE_LIB
    QString path() const { return QString::fromStdString(m_path.string()); }
    QString path(const QString& relative) const { return path() + u'/' + relative; }

    // A file of size bytes (its folders made as needed); returns its full path.
    QString makeFile(const QString& relative, qint64 size = 0) const {
        const QString full = path(relative);
        QDir().mkpath(QFileInfo(full).path());
        QFile file(full);
        if (!file.open(QIODevice::WriteOnly))
            throw std::runtime_error("cannot create " + full.toStdString());
        if (size > 0)
            file.write(QByteArray(size, 'x'));
        return full;
    }

    QString makeFolder(const QString& relative) const {
        const QString full = path(relative);
        if (!QDir().mkpath(full))
            throw std::runtime_error("cannot create " + full.toStdString());
        return full;
    }
#endif

private:
    static std::filesystem::path defaultBase() {
        const char* home = std::getenv("HOME");
        return home && std::filesystem::is_directory(home) ? std::filesystem::path(home)
                                                           : std::filesystem::temp_directory_path();
    }

    std::filesystem::path m_path;
};

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline void WriteText(const std::filesystem::path& path, const std::string& text) {
    WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

inline std::filesystem::path SampleFile(const std::string& relative) {
    return std::filesystem::path(BRINDLEWICK_TEST_DATA_DIR) / relative;
}
