// Drawing of outline meshes, rail meshes and bands, read back from an
// off-screen frame buffer looking straight down (or up, or from the side).
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "doc/layout_tables.h"
#include "doc/scale_profile.h"
#include "mesh/band.h"
#include "mesh/gl_messages.h"
#include "mesh/outline_mesh.h"
#include "mesh/rail_mesh.h"
#include "track/track_obj.h"

namespace {

constexpr int kSize = 200;
const double W = 29 / 25.4, H = 72 / 25.4;

struct Rgb {
    int r, g, b;
};

std::vector<std::string> sunkMessages;
void sinkMessage(const char* text)
{
    sunkMessages.push_back(text);
}

// A straight tunnelled piece along x from x0 to x1 at the given y, with end
// discs in its clearance, as a track item builds it.
void buildStraight(OutlineMesh& mesh, OutlineVertices& vertices, Point3 a, Point3 b)
{
    mesh.setProfile(ScaleProfile());
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    const Point3 n{-(b.y - a.y) / len, (b.x - a.x) / len, 0};
    const Point3 m{-n.x, -n.y, 0};
    const Placement id = identityPlacement();
    mesh.addSection(a, n, vertices, id);
    mesh.addSection(b, n, vertices, id);
    mesh.addSection(b, m, vertices, id);
    mesh.addSection(a, m, vertices, id);
    mesh.clearance = OutlineMesh::unitePaths(mesh.clearance, mesh.endDisc(a, vertices, 16), vertices);
    mesh.clearance = OutlineMesh::unitePaths(mesh.clearance, mesh.endDisc(b, vertices, 16), vertices);
}

class MeshGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSurfaceFormat format;
        format.setVersion(2, 1);
        format.setProfile(QSurfaceFormat::CompatibilityProfile);
        format.setDepthBufferSize(24);
        surface.setFormat(format);
        surface.create();
        context.setFormat(format);
        ASSERT_TRUE(context.create());
        ASSERT_TRUE(context.makeCurrent(&surface));
        QOpenGLFramebufferObjectFormat fboFormat;
        fboFormat.setAttachment(QOpenGLFramebufferObject::Depth);
        fbo = std::make_unique<QOpenGLFramebufferObject>(kSize, kSize, fboFormat);
        ASSERT_TRUE(fbo->bind());
        glViewport(0, 0, kSize, kSize);
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
        glClearColor(0, 0, 0, 1);
        sunkMessages.clear();
    }
    void TearDown() override
    {
        setGlMessageSink(nullptr);
        fbo.reset();
        context.doneCurrent();
    }

    // Plan view of the square [x0, x0 + side] x [y0, y0 + side], from above
    // or (mirrored in x) from below.
    void look(double x0, double y0, double side, bool fromBelow = false)
    {
        x0_ = x0;
        y0_ = y0;
        side_ = side;
        fromBelow_ = fromBelow;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, side, 0, side, -100, 100);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        if (fromBelow) {
            glTranslated(side, 0, 0);
            glRotated(180, 0, 1, 0);
        }
        glTranslated(-x0, -y0, 0);
    }
    // Elevation seen from the south: x to the right, z up, over the square
    // [x0, x0 + side] x [z0, z0 + side].
    void lookFromSouth(double x0, double z0, double side)
    {
        look(x0, z0, side);
        glLoadIdentity();
        glTranslated(-x0, -z0, 0);
        glRotated(-90, 1, 0, 0);
    }
    // The pixel at a point of the plan (or of the elevation).
    Rgb at(double x, double y)
    {
        int px = static_cast<int>((x - x0_) / side_ * kSize);
        if (fromBelow_)
            px = kSize - 1 - px;
        const int py = static_cast<int>((y - y0_) / side_ * kSize);
        unsigned char p[4] = {0, 0, 0, 0};
        glFinish();
        glReadPixels(px, py, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
        return {p[0], p[1], p[2]};
    }

    QOffscreenSurface surface;
    QOpenGLContext context;
    std::unique_ptr<QOpenGLFramebufferObject> fbo;
    double x0_ = 0, y0_ = 0, side_ = 1;
    bool fromBelow_ = false;
};

::testing::AssertionResult isColour(Rgb p, int r, int g, int b, int tolerance = 2)
{
    if (std::abs(p.r - r) <= tolerance && std::abs(p.g - g) <= tolerance && std::abs(p.b - b) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << p.r << ", " << p.g << ", " << p.b << "), expected ("
                                         << r << ", " << g << ", " << b << ")";
}

const int kTunnel[3] = {178, 178, 229};

} // namespace

TEST_F(MeshGl, BandListFillsAConcaveOutlineSeenFromAboveAndBelow)
{
    // An L: the square (0..2, 0..2) without its top right quarter.
    Band band;
    for (auto [x, y] : {std::pair{0.0, 0.0}, {2.0, 0.0}, {2.0, 1.0}, {1.0, 1.0}, {1.0, 2.0}, {0.0, 2.0}})
        addBandPoint(band, x, y, 0.25);
    buildBandList(band, 200, 50, 25);
    ASSERT_NE(band.list, 0u);
    glEnable(GL_CULL_FACE);
    for (bool below : {false, true}) {
        look(-0.5, -0.5, 3, below);
        glColor3ub(0, 255, 0);
        callBandList(band);
        EXPECT_TRUE(isColour(at(0.5, 0.5), 200, 50, 25)) << "below " << below;
        EXPECT_TRUE(isColour(at(1.5, 0.5), 200, 50, 25)) << "below " << below;
        EXPECT_TRUE(isColour(at(1.5, 1.5), 0, 0, 0)) << "the notch stays empty, below " << below;
        EXPECT_TRUE(isColour(at(2.3, 0.5), 0, 0, 0));
    }
    glDisable(GL_CULL_FACE);
    const unsigned list = band.list;
    buildBandList(band, 10, 20, 30);
    EXPECT_EQ(band.list, list) << "the list name is reused";

    look(-0.5, -0.5, 3);
    drawBand(band, 90, 100, 110);
    EXPECT_TRUE(isColour(at(0.5, 1.5), 90, 100, 110));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// Headless loading builds every item's lists with no context current: no
// list is made and no "Can not create display list" message is raised for it.
TEST_F(MeshGl, WithoutAContextNothingIsCompiledOrReported)
{
    setGlMessageSink(sinkMessage);
    Band band;
    addBandPoint(band, 0, 0, 0);
    OutlineMesh mesh;
    OutlineVertices vertices;
    buildStraight(mesh, vertices, {0, 0, 0}, {10, 0, 0});
    const std::size_t records = vertices.size();
    context.doneCurrent();
    buildBandList(band, 1, 2, 3);
    mesh.buildLists(vertices, 0xFF8000);
    ASSERT_TRUE(context.makeCurrent(&surface));
    EXPECT_EQ(band.list, 0u);
    EXPECT_EQ(mesh.tunnelList, 0u);
    EXPECT_EQ(mesh.bodyList, 0u);
    EXPECT_TRUE(sunkMessages.empty());
    EXPECT_TRUE(mesh.wallEdges.empty());
    EXPECT_EQ(vertices.size(), records);
    EXPECT_DOUBLE_EQ(mesh.layerColour[0], 1.0) << "the layer colour is still taken";

    // Once a context is current the lists are built.
    buildBandList(band, 1, 2, 3);
    mesh.buildLists(vertices, 0xFF8000);
    EXPECT_NE(band.list, 0u);
    EXPECT_NE(mesh.tunnelList, 0u);
    EXPECT_NE(mesh.bodyList, 0u);
    EXPECT_TRUE(sunkMessages.empty());
}

TEST_F(MeshGl, TunnelHasARoofAndWallsAlongItsLongSidesOnly)
{
    OutlineMesh mesh;
    OutlineVertices vertices;
    buildStraight(mesh, vertices, {0, 0, 1}, {10, 0, 1});
    mesh.buildLists(vertices, 0xFF8000);
    ASSERT_NE(mesh.tunnelList, 0u);
    ASSERT_NE(mesh.bodyList, 0u);
    EXPECT_DOUBLE_EQ(mesh.layerColour[0], 1.0);
    EXPECT_DOUBLE_EQ(mesh.layerColour[1], 128 / 255.0);
    EXPECT_DOUBLE_EQ(mesh.layerColour[2], 0.0);

    ASSERT_EQ(mesh.wallEdges.size(), 4u) << "two walls, open at both mouths";
    for (std::size_t i = 0; i < 4; i += 2) {
        const auto& a = mesh.wallEdges[i];
        const auto& b = mesh.wallEdges[i + 1];
        EXPECT_NEAR(std::abs(a[1]), W, 0.001);
        EXPECT_NEAR(b[1], a[1], 1e-12);
        EXPECT_NEAR(std::abs(b[0] - a[0]), 10, 1e-9);
        EXPECT_NEAR(a[2], 1 + H, 1e-12);
        EXPECT_EQ(a[3], 1);
    }

    look(-1, -6, 12);
    mesh.drawTunnel();
    EXPECT_TRUE(isColour(at(5, 0), kTunnel[0], kTunnel[1], kTunnel[2]));
    EXPECT_TRUE(isColour(at(11, 0), 0, 0, 0));

    // From the side the roof is edge on; what shows are the walls, from the
    // rail top up to the roof.
    lookFromSouth(-1, -1, 12);
    mesh.drawTunnel();
    EXPECT_TRUE(isColour(at(5, 1 + H / 2), kTunnel[0], kTunnel[1], kTunnel[2]));
    EXPECT_TRUE(isColour(at(5, 0.5), 0, 0, 0));
    EXPECT_TRUE(isColour(at(10.5, 1 + H / 2), 0, 0, 0));

    // Direct drawing shows the same and records the same walls again.
    lookFromSouth(-1, -1, 12);
    mesh.drawTunnelDirect(vertices);
    EXPECT_TRUE(isColour(at(5, 1 + H / 2), kTunnel[0], kTunnel[1], kTunnel[2]));
    EXPECT_EQ(mesh.wallEdges.size(), 4u);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(MeshGl, LinkedClearanceOpensTheWallButNotTheRoof)
{
    LayoutTables tables;
    CTrackObj crossing(tables);
    OutlineMesh mesh;
    OutlineVertices vertices;
    buildStraight(mesh, vertices, {0, 0, 1}, {10, 0, 1});
    buildStraight(crossing.outline, vertices, {5, -5, 1}, {5, 5, 1});
    mesh.linkedItems.push_back(&crossing);
    mesh.buildLists(vertices, 0);

    for (std::size_t i = 0; i + 1 < mesh.wallEdges.size(); i += 2) {
        const double xa = mesh.wallEdges[i][0], xb = mesh.wallEdges[i + 1][0];
        EXPECT_FALSE(std::min(xa, xb) < 5 && std::max(xa, xb) > 5) << "a wall across the crossing";
    }
    lookFromSouth(-1, -1, 12);
    mesh.drawTunnel();
    EXPECT_TRUE(isColour(at(5, 1 + H / 2), 0, 0, 0));
    look(-1, -6, 12);
    mesh.drawTunnel();
    EXPECT_TRUE(isColour(at(5, 0.9 * W), kTunnel[0], kTunnel[1], kTunnel[2])) << "the roof is whole";
}

TEST_F(MeshGl, EmbankmentInLayerOrFixedColour)
{
    OutlineMesh mesh;
    OutlineVertices vertices;
    buildStraight(mesh, vertices, {0, 0, 1}, {10, 0, 1});
    mesh.buildLists(vertices, 0xFF8000);
    const struct {
        bool byLayer, direct;
        int r, g, b;
    } cases[] = {{true, false, 255, 128, 0},
                 {false, false, 147, 141, 133},
                 {true, true, 255, 128, 0},
                 {false, true, 147, 141, 133}};
    for (const auto& c : cases) {
        look(-1, -6, 12);
        if (c.direct)
            mesh.drawBodyDirect(vertices, c.byLayer);
        else
            mesh.drawBody(c.byLayer);
        EXPECT_TRUE(isColour(at(5, 0), c.r, c.g, c.b)) << c.byLayer << c.direct;
        EXPECT_TRUE(isColour(at(5, 1.5), 0, 0, 0)) << "outside the foot";
    }

    // An embankment no deeper than the rail foot has no top or foot polygon.
    OutlineMesh flat;
    OutlineVertices flatVertices;
    buildStraight(flat, flatVertices, {0, 0, 1}, {10, 0, 1});
    flat.setProfile(ScaleProfile("flat", {16.5, 2, 0.9, 2, 38, 59, 58, 72}));
    flat.embankmentTop.clear();
    flat.embankmentBottom.clear();
    const Placement id = identityPlacement();
    for (auto [x, s] : {std::pair{0.0, 1.0}, {10.0, 1.0}, {10.0, -1.0}, {0.0, -1.0}})
        flat.addSection({x, 0, 1}, {0, s, 0}, flatVertices, id);
    look(-1, -6, 12);
    flat.drawBodyDirect(flatVertices, true);
    EXPECT_TRUE(isColour(at(5, 0), 0, 0, 0));
}

TEST_F(MeshGl, RailArraysByLevelOfDetail)
{
    RailMesh rails;
    rails.setProfile(ScaleProfile());
    rails.addSection({0, 0, 0}, {0, 1, 0}, 0, 0xFF8000);
    rails.addSection({1, 0, 0}, {0, 1, 0}, RailMesh::LastSection, 0xFF8000);
    const double railHead = 8.7 / 25.4, slope = 24.25 / 25.4;
    const struct {
        int level;
        bool byLayer;
        bool rails, embankment;
    } cases[] = {
        {0, true, true, true}, {1, false, true, true}, {2, true, false, true}, {3, true, false, false}};
    for (const auto& c : cases) {
        look(-0.7, -1.2, 2.4);
        rails.drawArrays(c.level, c.byLayer);
        const Rgb head = at(0.5, railHead);
        if (c.rails)
            EXPECT_TRUE(isColour(head, 102, 102, 128)) << "level " << c.level; // the head shade
        else
            EXPECT_TRUE(isColour(head, 0, 0, 0)) << "level " << c.level;
        const Rgb side = at(0.5, -slope);
        if (!c.embankment)
            EXPECT_TRUE(isColour(side, 0, 0, 0));
        else if (c.byLayer)
            EXPECT_TRUE(isColour(side, 255, 128, 0)) << "level " << c.level;
        else // halfway between the top edge shade and the foot shade
            EXPECT_TRUE(isColour(side, 163, 160, 151, 4)) << "level " << c.level;
        EXPECT_TRUE(isColour(at(0.5, 0), 0, 0, 0)) << "between the rails";
        EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
        EXPECT_FALSE(glIsEnabled(GL_COLOR_ARRAY));
    }

    RailMesh helix;
    helix.setProfile(ScaleProfile());
    helix.addSection({0, 0, 0}, {0, 1, 0}, RailMesh::HelixTrack, 0);
    helix.addSection({1, 0, 0}, {0, 1, 0}, RailMesh::HelixTrack | RailMesh::LastSection, 0);
    look(-0.7, -1.2, 2.4);
    helix.drawHelixFrame();
    EXPECT_TRUE(isColour(at(0.5, 0), kTunnel[0], kTunnel[1], kTunnel[2]));
    EXPECT_TRUE(isColour(at(0.5, 1.18), 0, 0, 0));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
