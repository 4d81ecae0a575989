#include "app/batcherror.h"

#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

#include "app/batchrun.h"
#include "app/commandline.h"
#include "platform/runtime/exception.h"

using namespace varnova;

namespace {

struct KindCase {
    std::function<void()> Raise;
    TBatchErrorKind Kind;
    QString Message;
};

class BatchErrorKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(BatchErrorKinds, TakeKindAndMessageFromTheException) {
    try {
        GetParam().Raise();
        FAIL() << "nothing raised";
    } catch (const std::exception& e) {
        const TBatchError error = TBatchError::Of(e);
        EXPECT_EQ(error.Kind, GetParam().Kind);
        EXPECT_EQ(error.Message, GetParam().Message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Exceptions, BatchErrorKinds,
    ::testing::Values(KindCase{[] { throw vexo::EFOpenError("Cannot open file a.bmp"); },
                               ekCannotOpen, "Cannot open file a.bmp"},
                      KindCase{[] { throw vexo::EFCreateError("Cannot create file /o/a.bmp"); },
                               ekCannotCreate, "Cannot create file /o/a.bmp"},
                      KindCase{[] { throw vexo::EInvalidGraphic("Bitmap image is not valid"); },
                               ekInvalidPicture, "Bitmap image is not valid"},
                      KindCase{[] { throw vexo::EInvalidGraphicOperation("Can only modify"); },
                               ekNotBitmap, "Can only modify"},
                      KindCase{[] { throw vexo::Exception("Invalid raster-operation mode 15"); },
                               ekOther, "Invalid raster-operation mode 15"},
                      KindCase{[] { throw std::bad_alloc(); }, ekOther, "Out of memory"},
                      KindCase{[] { throw std::runtime_error("disk on fire"); }, ekOther,
                               "disk on fire"}));

// The command line adds the source the run stopped at unless the message names a file, by the
// error's kind and never by what the text looks like.
struct FailureCase {
    TBatchErrorKind Kind;
    QString Message;
    QString Printed;
};

class CommandLineFailureText : public ::testing::TestWithParam<FailureCase> {};

TEST_P(CommandLineFailureText, NamesTheSourceOnlyWhenTheMessageNamesNoFile) {
    TBatchResult r;
    r.Outcome = boFailed;
    r.ErrorKind = GetParam().Kind;
    r.Message = GetParam().Message;
    r.FailedName = "b.bmp";
    r.FailedPath = "/in/b.bmp";
    EXPECT_EQ(FailureText(r), GetParam().Printed);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CommandLineFailureText,
    ::testing::Values(
        FailureCase{ekInvalidPicture, "Bitmap image is not valid",
                    "Bitmap image is not valid (while processing /in/b.bmp)"},
        // A working picture given without a folder: its name has no "/", but it is named.
        FailureCase{ekCannotOpen, "Cannot open file work.bmp", "Cannot open file work.bmp"},
        FailureCase{ekCannotCreate, "Cannot create file /out/b.bmp",
                    "Cannot create file /out/b.bmp"},
        // A message about something else that happens to hold a "/".
        FailureCase{ekOther, "Invalid raster-operation mode 1/2",
                    "Invalid raster-operation mode 1/2 (while processing /in/b.bmp)"},
        FailureCase{ekWorkImageOverwrite, "Error: the result would overwrite the working image",
                    "Error: the result would overwrite the working image (while processing "
                    "/in/b.bmp)"}));

TEST(BatchSettings, NormalisedFoldersEndWithOneSeparatorAndEmptyStaysEmpty) {
    const TBatchSettings raw{"/in", "/w.bmp", "", 3, 1};
    const TBatchSettings n = raw.Normalized();
    EXPECT_EQ(n.SourceDir, "/in/");
    EXPECT_EQ(n.ResultDir, "");
    EXPECT_EQ(n.WorkImagePath, "/w.bmp"); // a file, not a folder
    EXPECT_EQ(n.ModeIndex, 3);
    EXPECT_EQ(n.LangIndex, 1);
    EXPECT_EQ(n.Normalized().SourceDir, "/in/");
    const TBatchSettings root{"/", "", "/out/", 0, 0};
    EXPECT_EQ(root.Normalized().SourceDir, "/");
    EXPECT_EQ(n.SourcePath("a.bmp"), "/in/a.bmp");
}

} // namespace
