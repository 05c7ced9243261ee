#!/bin/sh
executable_name=""
