#include "editor/ui/CursorArt.h"

namespace quor {

namespace {

constexpr CursorArt kNodeCursor = {0,
                                   0,
                                   {{
                                       "k...............",
                                       "kk..............",
                                       "kwk.............",
                                       "kwwk............",
                                       "kwwwk...........",
                                       "kwwwwk..........",
                                       "kwwwwwk.........",
                                       "kwwkkkk.........",
                                       "kwk.............",
                                       "kk.......kkkkkk.",
                                       ".........kwwwwk.",
                                       ".........kwwwwk.",
                                       ".........kwwwwk.",
                                       ".........kwwwwk.",
                                       ".........kkkkkk.",
                                       "................",
                                   }}};
constexpr CursorArt kPolylineCursor = {5,
                                       5,
                                       {{
                                           ".....k..........",
                                           ".....k..........",
                                           ".....k..........",
                                           ".....k..........",
                                           "................",
                                           "kkkk...kkkk.....",
                                           "................",
                                           ".....k..........",
                                           ".....k.........k",
                                           ".....k.....k...k",
                                           ".....k.....kk.k.",
                                           "..........k.k.k.",
                                           "..........k..k..",
                                           "..........k..k..",
                                           ".........k......",
                                           ".........k......",
                                       }}};
constexpr CursorArt kPolylineCloseCursor = {5,
                                            5,
                                            {{
                                                ".....k..........",
                                                ".....k..........",
                                                ".....k..........",
                                                ".....k..........",
                                                "................",
                                                "kkkk...kkkk.....",
                                                "................",
                                                ".....k..........",
                                                ".....k..........",
                                                ".....k.....kkk..",
                                                ".....k....kkkkk.",
                                                ".........kk...kk",
                                                ".........kk...kk",
                                                ".........kk...kk",
                                                "..........kkkkk.",
                                                "...........kkk..",
                                            }}};
constexpr CursorArt kRectangleCursor = {5,
                                        5,
                                        {{
                                            ".....k..........",
                                            ".....k..........",
                                            ".....k..........",
                                            ".....k..........",
                                            "................",
                                            "kkkk...kkkk.....",
                                            "................",
                                            ".....k..........",
                                            ".....k..........",
                                            ".....k..........",
                                            ".....k...kkkkkkk",
                                            ".........k.....k",
                                            ".........k.....k",
                                            ".........k.....k",
                                            ".........kkkkkkk",
                                            "................",
                                        }}};
constexpr CursorArt kViaCursor = {5,
                                  5,
                                  {{
                                      ".....k..........",
                                      ".....k..........",
                                      ".....k..........",
                                      ".....k..........",
                                      "................",
                                      "kkkk...kkkk.....",
                                      "................",
                                      ".....k..........",
                                      ".....k..........",
                                      ".....k.....kkk..",
                                      ".....k....kkkkk.",
                                      ".........kkwwwkk",
                                      ".........kkwkwkk",
                                      ".........kkwwwkk",
                                      "..........kkkkk.",
                                      "...........kkk..",
                                  }}};
constexpr CursorArt kOpenHandCursor = {7,
                                       7,
                                       {{
                                           "................",
                                           ".....kk.kk......",
                                           "....kwwkwwkk....",
                                           "....kwwkwwkwk...",
                                           "..kk.kwwkwwkwk..",
                                           ".kwwkkwwkwwkwk..",
                                           ".kwwwkwwwwwwwk..",
                                           "..kwwwwwwwwwwk..",
                                           "...kwwwwwwwwwk..",
                                           "....kwwwwwwwk...",
                                           "....kwwwwwwk....",
                                           ".....kwwwwwk....",
                                           ".....kwwwwk.....",
                                           "......kkkkk.....",
                                           "................",
                                           "................",
                                       }}};
constexpr CursorArt kClosedHandCursor = {7,
                                         8,
                                         {{
                                             "................",
                                             "................",
                                             "................",
                                             "................",
                                             "....kk.kk.kk....",
                                             "....kwkwwkwwkk..",
                                             "...kkwwwwwwwwk..",
                                             "...kwwwwwwwwwk..",
                                             "...kwwwwwwwwwk..",
                                             "....kwwwwwwwwk..",
                                             ".....kwwwwwwk...",
                                             ".....kwwwwwk....",
                                             "......kkkkkk....",
                                             "................",
                                             "................",
                                             "................",
                                         }}};
constexpr CursorArt kZoomInCursor = {6,
                                     6,
                                     {{
                                         "................",
                                         ".....kkk........",
                                         "...kkkkkkk......",
                                         "..kkwwwwwkk.....",
                                         "..kwwwkwwwk.....",
                                         ".kkwwwkwwwkk....",
                                         ".kkwkkkkkwkk....",
                                         ".kkwwwkwwwkk....",
                                         "..kwwwkwwwk.....",
                                         "..kkwwwwwkk.....",
                                         "...kkkkkkkkk....",
                                         ".....kkk..kkk...",
                                         "...........kkk..",
                                         "............kkk.",
                                         ".............kk.",
                                         "................",
                                     }}};
constexpr CursorArt kZoomOutCursor = {6,
                                      6,
                                      {{
                                          "................",
                                          ".....kkk........",
                                          "...kkkkkkk......",
                                          "..kkwwwwwkk.....",
                                          "..kwwwwwwwk.....",
                                          ".kkwwwwwwwkk....",
                                          ".kkwkkkkkwkk....",
                                          ".kkwwwwwwwkk....",
                                          "..kwwwwwwwk.....",
                                          "..kkwwwwwkk.....",
                                          "...kkkkkkkkk....",
                                          ".....kkk..kkk...",
                                          "...........kkk..",
                                          "............kkk.",
                                          ".............kk.",
                                          "................",
                                      }}};

struct CursorEntry {
  int resourceId;
  const CursorArt& art;
};

constexpr CursorEntry kCursors[] = {
    {cursor::kZoomIn, kZoomInCursor},
    {cursor::kClosedHand, kClosedHandCursor},
    {cursor::kOpenHand, kOpenHandCursor},
    {cursor::kPolyline, kPolylineCursor},
    {cursor::kPolylineClose, kPolylineCloseCursor},
    {cursor::kZoomOut, kZoomOutCursor},
    {cursor::kRectangle, kRectangleCursor},
    {cursor::kVia, kViaCursor},
    {cursor::kPolylineNode, kNodeCursor},
};

}  // namespace

const CursorArt* FindCursorArt(int resourceId) {
  for (const CursorEntry& entry : kCursors) {
    if (entry.resourceId == resourceId) return &entry.art;
  }
  return nullptr;
}

}  // namespace quor
