"""Helpers of make_resources.py: shapes, file formats, drawings and tones."""
