// On Windows: the version resource compiled from the version list into this
// test program, read back through the system's version services, as the
// About box reads the program's own.
#include "files/RFileName.h"
#include "shell/VersionInfo.h"

#include <gtest/gtest.h>

TEST(OwnVersionResource, ReadsTheVersionListsStrings)
{
    RString product, productVersion, company, description, fileVersion, copyright, comments;
    RFileName file("version_resource_tests.exe");
    ASSERT_TRUE(file.SetFolderToProgram());
    ASSERT_TRUE(ReadVersionInfo(file, product, productVersion, company, description, fileVersion, copyright,
                                comments));
    EXPECT_STREQ(product.Text(), "Quenlar Tintwell");
    EXPECT_STREQ(productVersion.Text(), "2004.5.1.0");
    EXPECT_STREQ(company.Text(), "Quenlar Corp");
    EXPECT_STREQ(description.Text(), "Quenlar Tintwell");
    EXPECT_STREQ(fileVersion.Text(), "2004.5.1.0");
    // UTF-8, as on every platform, whatever the ANSI code page.
    EXPECT_STREQ(copyright.Text(), "Copyright \xC2\xA9 2004 Quenlar Corp");
    EXPECT_STREQ(comments.Text(), "Copyright \xC2\xA9 2004 Quenlar Corp");
}
