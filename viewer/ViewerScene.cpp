#include "viewer/ViewerScene.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <vector>

#include "viewer/PlateColours.h"
#include "viewer/PolygonTriangulation.h"
#include "viewer/TriangleSink.h"

namespace quor::viewer {

namespace {

constexpr GLfloat kOutlineWidth = 1.2f;
constexpr GLfloat kAxisWidth = 3.0f;
constexpr GLdouble kEyeDistance = 42.0;
constexpr GLdouble kNearPlane = 1.0;
constexpr GLdouble kFarPlane = 70.0;

class GlPolygonSink : public TriangleSink {
 public:
  void Triangle(const Point3& a, const Point3& b, const Point3& c) override {
    glBegin(GL_POLYGON);
    glVertex3d(a.x, a.y, a.z);
    glVertex3d(b.x, b.y, b.z);
    glVertex3d(c.x, c.y, c.z);
    glEnd();
  }
};

std::vector<Point3> ToVec3(const ListingPlate& plate) {
  std::vector<Point3> nodes;
  nodes.reserve(plate.size());
  for (const ListingNode& n : plate) nodes.push_back({n.x, n.y, n.z});
  return nodes;
}

void SetColour(const Colour& c) {
  glColor3f(c.red, c.green, c.blue);
}

void Line(const ListingNode& a, const ListingNode& b) {
  glVertex3f(a.x, a.y, a.z);
  glVertex3f(b.x, b.y, b.z);
}

void Axis(GLfloat x, GLfloat y, GLfloat z) {
  glVertex3f(0.0f, 0.0f, 0.0f);
  glVertex3f(x, y, z);
}

}  // namespace

ViewerScene::ViewerScene(PlateStore plates, std::function<void()> swapBuffers)
    : m_plates(std::move(plates)), m_swapBuffers(std::move(swapBuffers)) {}

ViewerScene::~ViewerScene() {
  if (m_lists != 0) glDeleteLists(m_lists, 2);
}

void ViewerScene::init_gl_scene() {
  glEnable(GL_DEPTH_TEST);
  glClearColor(1.0f, 1.0f, 1.0f, 0.0f);
  build_display_lists();
  m_state = ViewState(m_extents.clipHeight);
}

void ViewerScene::build_display_lists() {
  m_extents = ScaleIntoViewBox(m_plates);
  const int groupCount = m_plates.GroupCount();
  m_lists = glGenLists(2);

  glNewList(m_lists, GL_COMPILE);
  glLineWidth(kOutlineWidth);
  for (int j = 1; j <= groupCount; ++j) {
    SetColour(OutlineColour(j, groupCount));
    glBegin(GL_LINES);
    for (const ListingPlate& plate : m_plates.groups[j - 1]) {
      for (std::size_t i = 0; i < plate.size(); ++i) Line(plate[i], plate[(i + 1) % plate.size()]);
    }
    glEnd();
  }
  glEndList();

  GlPolygonSink sink;
  glNewList(m_lists + 1, GL_COMPILE);
  for (int j = 1; j <= groupCount; ++j) {
    for (const ListingPlate& plate : m_plates.groups[j - 1]) {
      const std::vector<Point3> nodes = ToVec3(plate);
      SetColour(FillColour(j, groupCount, PlateNormal(nodes)));
      draw_filled_polygon(nodes, sink);
    }
  }
  glEndList();
  m_plates = {};  // the lists hold everything from here on
}

void ViewerScene::draw_axes() const {
  const GLfloat ax = m_extents.axisX;
  const GLfloat ay = m_extents.axisY;
  const GLfloat az = m_extents.axisZ;
  glLineWidth(kAxisWidth);
  glBegin(GL_LINES);
  glColor3f(1.0f, 0.05f, 0.05f);
  Axis(ax, 0.0f, 0.0f);
  glColor3f(0.0f, 1.0f, 0.0f);
  Axis(0.0f, ay, 0.0f);
  glColor3f(0.0f, 0.0f, 1.0f);
  Axis(0.0f, 0.0f, az);
  glEnd();
  glLineWidth(1.0f);
  glBegin(GL_LINES);
  glColor3f(1.0f, 0.8f, 0.8f);
  Axis(-ax, 0.0f, 0.0f);
  glColor3f(0.8f, 1.0f, 0.8f);
  Axis(0.0f, -ay, 0.0f);
  glColor3f(0.8f, 0.8f, 1.0f);
  Axis(0.0f, 0.0f, -az);
  glEnd();
}

void ViewerScene::Clear() const {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void ViewerScene::reset_view() {
  Clear();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslated(0.0, 0.0, -kEyeDistance);
  glRotated(-60.0, 1.0, 0.0, 0.0);
  glRotated(-30.0, 0.0, 0.0, 1.0);
  draw_scene();
}

void ViewerScene::redraw_scene() {
  Clear();
  draw_scene();
}

void ViewerScene::resize_viewport(int width, int height) {
  const double aspect = height > 0 ? static_cast<double>(width) / height : 1.0;
  const PanShift pan = m_state.AccumulatedPan();
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(m_state.Angle(), aspect, kNearPlane, kFarPlane);
  glViewport(0, 0, width, height);
  glTranslated(pan.x, pan.y, 0.0);
  glMatrixMode(GL_MODELVIEW);
}

void ViewerScene::rotate_view(double x, double y, double z, double degrees) {
  Clear();
  glMatrixMode(GL_MODELVIEW);
  glRotated(degrees, x, y, z);
  draw_scene();
}

void ViewerScene::draw_scene() {
  const PanShift pan = m_state.TakePendingPan();
  glMatrixMode(GL_PROJECTION);
  glTranslated(pan.x, pan.y, 0.0);
  glMatrixMode(GL_MODELVIEW);

  const int sign = m_state.ClipSign();
  if (sign != 0) {
    // In model coordinates: +1 keeps z <= h, -1 keeps z >= h.
    const GLdouble plane[4] = {0.0, 0.0, -1.0 * sign, sign * m_state.ClipHeight()};
    glClipPlane(GL_CLIP_PLANE0, plane);
    glEnable(GL_CLIP_PLANE0);
  } else {
    glDisable(GL_CLIP_PLANE0);
  }

  if (m_state.AxesShown()) draw_axes();
  if (m_state.OutlinesShown()) glCallList(m_lists);
  if (m_state.FilledShown()) glCallList(m_lists + 1);
  m_swapBuffers();
}

}  // namespace quor::viewer
