// setuppack bench: speed and size of our decoder and encoder, with gzip as the yardstick.
#pragma once

void RunBench();
