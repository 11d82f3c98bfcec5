#include <common/filebytes.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include <stdlib.h>
#include <sys/stat.h>

namespace {

class FileBytesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern
            = (std::filesystem::temp_directory_path() / "zenodyne-bytes-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::size_t entryCount() const
    {
        std::size_t count = 0;
        for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(folder))
            ++count;
        return count;
    }

    std::filesystem::path folder;
};

const std::vector<std::uint8_t> sample = {0, 1, 2, 0xFF, 'Z', 0};

} // namespace

TEST_F(FileBytesTest, WrittenBytesReadBackExactly)
{
    const auto path = folder / "data.bin";
    ASSERT_EQ(writeFileAtomically(path, sample), "");
    std::vector<std::uint8_t> read = {9, 9};
    ASSERT_EQ(readFileBytes(path, read), "");
    EXPECT_EQ(read, sample);
    ASSERT_EQ(writeFileAtomically(path, {}), "");
    ASSERT_EQ(readFileBytes(path, read), "");
    EXPECT_TRUE(read.empty());
    EXPECT_EQ(entryCount(), 1u);
}

TEST_F(FileBytesTest, NewFilesGetTheUsualPermissions)
{
    const mode_t mask = umask(022);
    const auto path = folder / "new.bin";
    ASSERT_EQ(writeFileAtomically(path, sample), "");
    umask(mask);
    EXPECT_EQ(std::filesystem::status(path).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write
                  | std::filesystem::perms::group_read | std::filesystem::perms::others_read);
}

TEST_F(FileBytesTest, SymbolicLinkStaysALinkToTheNewContent)
{
    const auto target = folder / "target.bin";
    std::ofstream(target) << "old";
    std::filesystem::create_symlink("target.bin", folder / "link.bin");
    ASSERT_EQ(writeFileAtomically(folder / "link.bin", sample), "");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.bin"));
    std::vector<std::uint8_t> read;
    ASSERT_EQ(readFileBytes(target, read), "");
    EXPECT_EQ(read, sample);
}

TEST_F(FileBytesTest, DanglingLinkIsFollowedToTheFileItNames)
{
    std::filesystem::create_directory(folder / "sub");
    std::filesystem::create_symlink("sub/target.bin", folder / "link.bin");
    std::filesystem::create_symlink("link.bin", folder / "chain.bin");
    ASSERT_EQ(writeFileAtomically(folder / "chain.bin", sample), "");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "chain.bin"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.bin"));
    std::vector<std::uint8_t> read;
    ASSERT_EQ(readFileBytes(folder / "sub" / "target.bin", read), "");
    EXPECT_EQ(read, sample);
}

TEST_F(FileBytesTest, LinkLoopIsRefused)
{
    std::filesystem::create_symlink("b.bin", folder / "a.bin");
    std::filesystem::create_symlink("a.bin", folder / "b.bin");
    EXPECT_EQ(writeFileAtomically(folder / "a.bin", sample),
              "cannot write " + (folder / "a.bin").string()
                  + ": too many levels of symbolic links");
}

TEST_F(FileBytesTest, FailuresNameTheReasonAndLeaveNoTemporaryFile)
{
    std::vector<std::uint8_t> read;
    EXPECT_EQ(readFileBytes(folder / "absent", read),
              "cannot open " + (folder / "absent").string() + ": No such file or directory");
    EXPECT_EQ(readFileBytes(folder, read), "not a regular file: " + folder.string());
    EXPECT_EQ(writeFileAtomically(folder / "no" / "such.bin", sample),
              "cannot create a temporary file in " + (folder / "no").string()
                  + ": No such file or directory");
    std::filesystem::create_directory(folder / "taken");
    std::ofstream(folder / "taken" / "inside") << "x";
    const std::string failure = writeFileAtomically(folder / "taken", sample);
    EXPECT_EQ(failure.rfind("cannot replace " + (folder / "taken").string() + ": ", 0), 0u)
        << failure;
    EXPECT_EQ(entryCount(), 1u);
}

TEST_F(FileBytesTest, ReadsAreBoundedByTheFileSize)
{
    std::vector<std::uint8_t> read;
    EXPECT_EQ(readFileBytes("/dev/zero", read), "not a regular file: /dev/zero");
    EXPECT_TRUE(read.empty());
}
