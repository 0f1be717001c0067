// The lattice points marked over the drawing from the working window's link: the
// triangle built from the section, not the fields; the marks counted as the area
// command counts; the picture itself untouched; the marks gone once the picture
// is drawn again.
#include "TriangleFixture.h"
#include "drawing/Drawing.h"
#include "drawing/LatticeOverlay.h"
#include "drawing/WorldMapping.h"
#include "triangle/PickCount.h"
#include "working/FormWorking.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

TLatticeTriangle Tri(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3)
{
    return {{x1, y1}, {x2, y2}, {x3, y3}};
}

const TLatticeOverlay& Overlay() { return *Form2->LatticeOverlay; }

// The colour of the overlay alone at a pixel, transparent where it paints nothing.
QColor OverlayPixel(const QImage& overlay, TLatticePoint p)
{
    const TDrawing& d = *Form2->Drawing;
    const int x = int(WorldToExactX(p.X, d.Window, d.Width()) + 0.5);
    const int y = int(WorldToExactY(p.Y, d.Window, d.Height()) + 0.5);
    return overlay.pixelColor(x, y);
}

QImage OverlayImage()
{
    QImage image(Overlay().size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    Form2->LatticeOverlay->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

}  // namespace

class TriangleLatticeTest : public TriangleTest {
protected:
    static void ShowLattice(const TLatticeTriangle& t) { FormWorking->ShowLattice(t); }
};

TEST_F(TriangleLatticeTest, MarksCountAsTheAreaCommandCounts)
{
    const TLatticeTriangle cases[] = {
        Tri(0, 0, 4, 0, 0, 3),
        Tri(-7, -2, 5, -9, 1, 6),     // negative coordinates, no side level or upright
        Tri(0, 0, 10, 1, 0, 2),       // long and thin
        Tri(-3, 4, -3, 4, -3, 4),     // one point
        Tri(-60, -40, 60, 40, 13, -80),
    };
    for (const TLatticeTriangle& t : cases) {
        SCOPED_TRACE(testing::Message() << t.A.X << "," << t.A.Y << " " << t.B.X << "," << t.B.Y << " " << t.C.X
                                        << "," << t.C.Y);
        Type(t.A.X, t.A.Y, t.B.X, t.B.Y, t.C.X, t.C.Y);
        ASSERT_EQ(Run(&TForm1::N3Click), "");
        ShowLattice(t);
        ASSERT_TRUE(Overlay().isVisible());
        const TPickCount marked = Overlay().Points().Count();
        EXPECT_EQ(Form1->Edit21->toolTip(), QString("Внутрішніх точок: %1, граничних: %2")
                                                .arg(qulonglong(marked.Interior))
                                                .arg(qulonglong(marked.Boundary)));
        EXPECT_EQ(Overlay().InteriorCaption(), QString("внутрішні точки (I = %1)").arg(qulonglong(marked.Interior)));
        EXPECT_EQ(Overlay().BoundaryCaption(), QString("граничні точки (B = %1)").arg(qulonglong(marked.Boundary)));
    }
    // The one-point triangle was questioned by the check and built.
    for (const ShownDialog& d : dialogs.Shown) EXPECT_EQ(d.Kind, "question");
}

TEST_F(TriangleLatticeTest, BuildsTheSectionsTriangleAndMarksItsPoints)
{
    // The fields hold another triangle, drawn last; the link builds its own.
    Type(1, 1, 9, 2, 3, 8);
    ASSERT_EQ(Run(&TForm1::N4Click), "");
    const TLatticeTriangle t = Tri(0, 0, 4, 0, 0, 3);
    ShowLattice(t);

    EXPECT_EQ(VertexCount, 3);
    EXPECT_EQ(Vertices[1].X, 0.0);
    EXPECT_EQ(Vertices[2].X, 4.0);
    EXPECT_EQ(Vertices[3].Y, 3.0);
    const QLineEdit* fields[] = {Form1->Edit1, Form1->Edit2, Form1->Edit3, Form1->Edit4, Form1->Edit5, Form1->Edit6};
    const char* typed[] = {"1", "1", "9", "2", "3", "8"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(fields[i]->text(), typed[i]);

    // The picture is the triangle's own construction, with no mark in it.
    const QImage withMarks = Surface().copy();
    Type(0, 0, 4, 0, 0, 3);
    ASSERT_EQ(Run(&TForm1::N4Click), "");
    EXPECT_FALSE(Overlay().isVisible());
    EXPECT_EQ(withMarks, Surface());

    // The marks lie on their points of the world window, each in its colour.
    ShowLattice(t);
    const QImage marks = OverlayImage();
    for (const TLatticePoint& p : Overlay().Points().Interior)
        EXPECT_EQ(OverlayPixel(marks, p), TLatticeOverlay::InteriorColor) << p.X << "," << p.Y;
    for (const TLatticePoint& p : Overlay().Points().Boundary)
        EXPECT_EQ(OverlayPixel(marks, p), TLatticeOverlay::BoundaryColor) << p.X << "," << p.Y;
    EXPECT_EQ(OverlayPixel(marks, {2, 2}).alpha(), 0);  // just outside the hypotenuse
    EXPECT_EQ(OverlayPixel(marks, {-1, 0}).alpha(), 0);
}

TEST_F(TriangleLatticeTest, LeavesThePointerToThePicture)
{
    ShowLattice(Tri(0, 0, 4, 0, 0, 3));
    ASSERT_TRUE(Overlay().isVisible());
    const QPoint centre = Form2->Image1->rect().center();
    EXPECT_EQ(Form2->Image1->childAt(centre), nullptr);
}

TEST_F(TriangleLatticeTest, MarksGoWhenThePictureIsDrawnAgain)
{
    QTemporaryDir dir;
    const QString picture = dir.filePath("picture.bmp");
    QImage white(40, 30, QImage::Format_RGB32);
    white.fill(Qt::white);
    ASSERT_TRUE(white.save(picture, "BMP"));
    const std::pair<const char*, std::function<void()>> redraws[] = {
        {"construction", [] { Form1->N8Click(); }},
        {"construction without blanking", [] {
             Form2->CheckBox2->setChecked(false);
             Form1->N8Click();
         }},
        {"blanking", [] { Form2->Button1->click(); }},
        {"rebuilding", [] { Form2->Button2->click(); }},
        {"loading a picture", [&] {
             dialogs.Files = {platform::TFileChoice{picture, 1}};
             Form2->N3Click();
         }},
        {"resizing the picture", [] { Form2->Image1->resize(320, 240); }},
    };
    for (const auto& [name, redraw] : redraws) {
        SCOPED_TRACE(name);
        ShowLattice(Tri(0, 0, 4, 0, 0, 3));
        ASSERT_TRUE(Overlay().isVisible());
        redraw();
        EXPECT_FALSE(Overlay().isVisible());
    }
}

TEST_F(TriangleLatticeTest, TriangleBeyondTheLimitIsNeitherBuiltNorMarked)
{
    StoreFigure({{1, 1}, {2, 1}, {1, 2}});
    ShowLattice(Tri(0, 0, 200, 0, 0, 100));  // 201 x 101 points in the box
    EXPECT_FALSE(Overlay().isVisible());
    EXPECT_EQ(Vertices[2].X, 2.0);
    EXPECT_TRUE(Surface().isNull());  // nothing built yet
}

TEST_F(TriangleLatticeTest, FigureTurnedDownByTheCheckIsNotMarked)
{
    dialogs.Answers.push_back(platform::TAnswer::No);
    ShowLattice(Tri(0, 0, 2, 2, 4, 4));  // flat: the check asks, the user gives up
    EXPECT_FALSE(Overlay().isVisible());
}
