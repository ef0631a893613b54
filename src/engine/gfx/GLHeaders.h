#pragma once
// OpenGL for the renderer's units only (compatibility profile, rectangle textures).
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
