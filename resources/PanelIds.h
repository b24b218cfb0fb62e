// Identifiers of the editor's panel resources, shared by the resource script and the code.
#pragma once
