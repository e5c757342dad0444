// Layouts of the host application's in-memory structures, as far as the
// library touches them.
//
// The scripts hand the library raw addresses of these structures; the library
// reads and writes them in place.  Field order follows the supported host
// version's records for the members named here; a port to another host
// version replaces this header and the host operations, nothing else.  The
// model host (hostmodel/) builds real instances of exactly these layouts.
//
// Conventions shared with the host:
//  * 4×4 matrices are four rows: the X, Y and Z axes, then the translation; a
//    point p transforms as p'[j] = Σi p[i]·M[i][j] + M[3][j].
//  * Names of data blocks (ID::name) start with two type characters ("OB",
//    "SC", "ME", ...) followed by the name.
#pragma once

#include <cstdint>

struct IDProperty;
struct bContext;
struct bContextDataResult;
struct bNodeTree;
struct wmWindow;

// ---------------------------------------------------------------------------
// Lists and data blocks

// Doubly linked list head; every element begins with next and prev links.
struct ListBase {
  void* first;
  void* last;
};

struct Link {
  Link* next;
  Link* prev;
};

constexpr int kIdNameBytes = 66;
constexpr int kNameBytes = 64;  // names of channels, bones, groups, layers: at most 63 bytes

// Common head of every data block.
struct ID {
  void* next;
  void* prev;
  ID* newid;
  void* lib;
  char name[kIdNameBytes];  // two type characters, then the name
  short flag;
  int tag;
  int us;  // user count; a deleted block has fewer than 1
  int icon_id;
  IDProperty* properties;  // custom-property root group, or null
};

// ---------------------------------------------------------------------------
// Custom properties

enum IDPropertyType : char {
  IDP_STRING = 0,
  IDP_INT = 1,
  IDP_FLOAT = 2,
  IDP_ARRAY = 5,
  IDP_GROUP = 6,
  IDP_ID = 7,
  IDP_DOUBLE = 8,
  IDP_IDPARRAY = 9,
};

// The value slot is read as the kind the reader expects: an int, a float, or
// the whole eight bytes as a double.
union IDPropertyValue {
  std::int32_t i;
  float f;
  double d;
};

struct IDPropertyData {
  void* pointer;     // array elements, string text, or property-array items
  ListBase group;    // children of a group, in insertion order
  IDPropertyValue val;
};

struct IDProperty {
  IDProperty* next;
  IDProperty* prev;
  char type;     // IDPropertyType
  char subtype;  // element type of an array (IDP_INT, IDP_FLOAT, IDP_DOUBLE)
  short flag;
  char name[kNameBytes];  // UTF-8
  int saved;
  IDPropertyData data;
  int len;       // elements of an array or property array; bytes of a string with terminator
  int totallen;  // allocated elements
};

// ---------------------------------------------------------------------------
// Armatures and poses

enum BoneFlag : int {
  BONE_SELECTED = 1 << 0,
  BONE_CONNECTED = 1 << 4,
};

struct Bone {
  Bone* next;
  Bone* prev;
  IDProperty* prop;
  Bone* parent;
  ListBase childbase;
  char name[kNameBytes];
  float roll;
  float head[3];  // relative to the parent's tail
  float tail[3];
  float bone_mat[3][3];
  int flag;
  float arm_head[3];  // armature space
  float arm_tail[3];
  float arm_mat[4][4];  // rest matrix in armature space
  float arm_roll;
  float dist, weight;
  float xwidth, length, zwidth;
};

struct EditBone {
  EditBone* next;
  EditBone* prev;
  IDProperty* prop;
  EditBone* parent;
  char name[kNameBytes];
  float roll;
  float head[3];
  float tail[3];
  int flag;
  int layer;
  float length;
};

struct bArmature {
  ID id;
  ListBase bonebase;
  ListBase* edbo;  // edit bones while in edit mode
  Bone* act_bone;
  EditBone* act_edbone;
  int flag;
};

enum RotationMode : short {
  ROT_MODE_QUAT = 0,
  ROT_MODE_XYZ = 1,
  ROT_MODE_XZY = 2,
  ROT_MODE_YXZ = 3,
  ROT_MODE_YZX = 4,
  ROT_MODE_ZXY = 5,
  ROT_MODE_ZYX = 6,
  ROT_MODE_AXISANGLE = -1,
};

struct bPoseChannel {
  bPoseChannel* next;
  bPoseChannel* prev;
  IDProperty* prop;  // custom-property root group, or null
  char name[kNameBytes];
  short flag;
  short ikflag;
  short protectflag;
  short agrp_index;
  Bone* bone;
  bPoseChannel* parent;
  bPoseChannel* child;
  float loc[3];
  float size[3];  // scale
  float eul[3];
  float quat[4];  // w, x, y, z
  float rotAxis[3];
  float rotAngle;
  short rotmode;  // RotationMode
  short pad;
  float chan_mat[4][4];  // local transform: location, rotation, scale
  float pose_mat[4][4];  // armature space
  float pose_head[3];
  float pose_tail[3];
};

struct bPose {
  ListBase chanbase;  // bPoseChannel, in the armature's bone order
  short flag;
};

// ---------------------------------------------------------------------------
// Meshes

struct MVert {
  float co[3];
  short no[3];
  char flag;
  char bweight;
};

struct MEdge {
  unsigned int v1, v2;
  char crease, bweight;
  short flag;
};

enum PolyFlag : char {
  ME_FACE_SEL = 1 << 0,
};

struct MPoly {
  int loopstart;
  int totloop;
  short mat_nr;
  char flag;  // PolyFlag
  char pad;
};

struct MLoop {
  unsigned int v;  // vertex index
  unsigned int e;  // edge index
};

// One corner of the UV layer: 12 bytes, exactly as the scripts copy them.
struct MLoopUV {
  float uv[2];
  int flag;
};
static_assert(sizeof(MLoopUV) == 12);

// Legacy tessellated face.
struct MFace {
  unsigned int v1, v2, v3, v4;
  short mat_nr;
  char edcode, flag;
};

struct MDeformWeight {
  unsigned int def_nr;  // index into the object's vertex groups
  float weight;
};

struct MDeformVert {
  MDeformWeight* dw;
  int totweight;
  int flag;
};

struct KeyBlock {
  KeyBlock* next;
  KeyBlock* prev;
  float pos;
  float curval;
  short type;
  short flag;
  char name[kNameBytes];
  int totelem;
  void* data;  // totelem rows of 3 floats for a mesh
};

struct Key {
  ID id;
  KeyBlock* refkey;  // the reference (basis) block
  ListBase block;    // KeyBlock, basis first
  int totkey;
  ID* from;
};

struct Mesh {
  ID id;
  Key* key;  // shape keys, or null
  MVert* mvert;
  MEdge* medge;
  MPoly* mpoly;
  MLoop* mloop;
  MLoopUV* mloopuv;  // the active UV layer, or null
  MDeformVert* dvert;
  MFace* mface;  // legacy tessellated faces
  int totvert;
  int totedge;
  int totface;
  int totpoly;
  int totloop;
};

struct Curve {
  ID id;
  Key* key;
};

// ---------------------------------------------------------------------------
// Objects

enum ObjectType : short {
  OB_EMPTY = 0,
  OB_MESH = 1,
  OB_CURVE = 2,
  OB_ARMATURE = 25,
};

enum ParentType : short {
  PAROBJECT = 0,
  PARSKEL = 4,  // parented to an armature with armature deform
};

enum RestrictFlag : char {
  OB_RESTRICT_VIEWPORT = 1 << 0,
  OB_RESTRICT_SELECT = 1 << 1,
  OB_RESTRICT_RENDER = 1 << 2,
};

enum ModifierType : int {
  eModifierType_Armature = 8,
};

struct ModifierData {
  ModifierData* next;
  ModifierData* prev;
  int type;  // ModifierType
  int mode;
  char name[kNameBytes];
};

struct ArmatureModifierData {
  ModifierData modifier;
  struct Object* object;
};

// Vertex group of an object.
struct bDeformGroup {
  bDeformGroup* next;
  bDeformGroup* prev;
  char name[kNameBytes];
  char flag;
};

struct Object {
  ID id;
  short type;     // ObjectType
  short partype;  // ParentType
  Object* parent;
  bPose* pose;
  void* data;  // bArmature, Mesh, Curve ... by type
  ListBase modifiers;  // ModifierData
  ListBase defbase;    // bDeformGroup, the vertex groups
  float obmat[4][4];   // world matrix
  float parentinv[4][4];
  int mode;           // interaction mode
  short base_flag;    // copy of the base's flags
  short flag;         // second flag word, next to the base-flag copy
  char restrictflag;  // RestrictFlag
  char pad;
  short shapenr;  // active shape key, 1-based
};

// ---------------------------------------------------------------------------
// Scenes and view layers

enum BaseFlag : short {
  BASE_SELECTED = 1 << 0,
};

struct Base {
  Base* next;
  Base* prev;
  short flag;  // BaseFlag
  short pad;
  Object* object;
};

enum ViewLayerFlag : short {
  VIEW_LAYER_RENDER = 1 << 0,
};

struct ViewLayer {
  ViewLayer* next;
  ViewLayer* prev;
  char name[kNameBytes];
  short flag;  // ViewLayerFlag
  ListBase object_bases;  // Base
  Base* basact;           // active base, or null
};

struct RenderData {
  int cfra;  // current frame
  int sfra;  // start frame
  int efra;  // end frame
};

struct Scene {
  ID id;
  ListBase base;  // legacy base list
  RenderData r;
  ListBase view_layers;  // ViewLayer
};

struct Main {
  char name[1024];  // file path
  ListBase scenes;
  ListBase objects;
  ListBase meshes;
  ListBase armatures;
  ListBase screens;
  ListBase wm;
};

// ---------------------------------------------------------------------------
// Screens, areas, regions and views

struct rcti {
  int xmin, xmax, ymin, ymax;
};

struct rctf {
  float xmin, xmax, ymin, ymax;
};

struct View2D {
  rctf tot, cur;
  rcti vert, hor;
  short winx, winy;
};

// Answers a context member for a region, area or screen: 1 found, -1 known
// but empty, 0 unknown.
using bContextDataCallback = int (*)(const bContext* C, const char* member, bContextDataResult* result);

enum SpaceTypeCode : char {
  SPACE_EMPTY = 0,
  SPACE_VIEW3D = 1,
  SPACE_IMAGE = 6,
  SPACE_NODE = 16,
};

enum RegionTypeCode : short {
  RGN_TYPE_WINDOW = 0,
};

constexpr short RGN_DRAW = 1;

struct ARegionType {
  int regionid;
  bContextDataCallback context;
};

struct SpaceType {
  int spaceid;
  bContextDataCallback context;
};

// 3D view of a region.
struct RegionView3D {
  float winmat[4][4];
  float viewmat[4][4];
  float viewinv[4][4];
  float persmat[4][4];
  float persinv[4][4];
  float viewcamtexcofac[4];
  float ofs[3];
  float dist;
  char persp;  // 0 orthographic, 1 perspective, 2 camera (RV3D_CAMOB)
  char view;
  char is_persp;
  char pad;
};

constexpr char RV3D_ORTHO = 0;
constexpr char RV3D_PERSP = 1;
constexpr char RV3D_CAMOB = 2;

struct ARegion {
  ARegion* next;
  ARegion* prev;
  View2D v2d;
  rcti winrct;  // window-space rectangle; xmin/ymin is the lower-left corner
  short winx, winy;
  short regiontype;  // RegionTypeCode
  short do_draw;     // RGN_DRAW once a redraw was requested; the host clears it when it draws
  ARegionType* type;
  void* regiondata;  // RegionView3D for a 3D view's main region
};

// Head shared by every space record in an area's space list.
struct SpaceLink {
  SpaceLink* next;
  SpaceLink* prev;
  ListBase regionbase;
  char spacetype;  // SpaceTypeCode
};

enum SpaceImageMode : char {
  SI_MODE_VIEW = 0,
  SI_MODE_PAINT = 1,
  SI_MODE_MASK = 2,
  SI_MODE_UV = 3,
};

struct SpaceImage {
  SpaceImage* next;
  SpaceImage* prev;
  ListBase regionbase;
  char spacetype;
  char mode;  // SpaceImageMode
};

struct bNodeTree {
  ID id;
  char idname[kNameBytes];  // tree type name
};

struct SpaceNode {
  SpaceNode* next;
  SpaceNode* prev;
  ListBase regionbase;
  char spacetype;
  char tree_idname[kNameBytes];
  bNodeTree* nodetree;
};

struct ScrArea {
  ScrArea* next;
  ScrArea* prev;
  rcti totrct;
  char spacetype;  // SpaceTypeCode
  SpaceType* type;
  ListBase spacedata;   // SpaceLink, the active space first
  ListBase regionbase;  // ARegion
};

struct bScreen {
  ID id;
  ListBase areabase;  // ScrArea
  bContextDataCallback context;
};

// ---------------------------------------------------------------------------
// Window manager and context

struct wmEvent {
  int type;
  int val;
  int x, y;  // last event position in window pixels
};

struct wmWindow {
  wmWindow* next;
  wmWindow* prev;
  Scene* scene;
  char view_layer_name[kNameBytes];
  bScreen* screen;
  short posx, posy, sizex, sizey;
  wmEvent* eventstate;
};

struct wmWindowManager {
  ID id;
  ListBase windows;
};

// A typed pointer as the host hands it out: the owning block, the type and the address.
struct HostPointer {
  ID* owner_id;
  void* type;
  void* data;
};

enum ContextDataType : short {
  CTX_DATA_TYPE_POINTER = 0,
  CTX_DATA_TYPE_COLLECTION = 1,
};

struct bContextDataResult {
  HostPointer ptr;
  ListBase list;
  const char** dir;
  short type;  // ContextDataType
};

struct bContextStoreEntry {
  bContextStoreEntry* next;
  bContextStoreEntry* prev;
  char name[128];
  HostPointer ptr;
  short type;
};

struct bContextStore {
  bContextStore* next;
  bContextStore* prev;
  ListBase entries;  // bContextStoreEntry
  bool used;
};

struct bContext {
  int thread;
  struct {
    wmWindowManager* manager;
    wmWindow* window;
    bScreen* screen;
    ScrArea* area;
    ARegion* region;
    ARegion* menu;
    bContextStore* store;
    const char* operator_poll_msg;
  } wm;
  struct {
    Main* main;
    Scene* scene;
    int recursion;
    bool py_init;
    void* py_context;
  } data;
};
