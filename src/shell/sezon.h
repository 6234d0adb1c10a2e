#pragma once

// Closes the season after its 34th round and opens the next.
void koniecsezonu();
