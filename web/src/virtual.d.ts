// SPDX-License-Identifier: MIT
// The modules the build provides: texts, pictures and the WebAssembly module.
declare module 'purzo:texts' {
  const texts: {
    en: Record<string, Record<string, string>>;
    page: Record<string, string>;
  };
  export default texts;
}
declare module 'purzo:pictures' {
  const pictures: Record<string, string>;
  export default pictures;
}
declare module 'purzo:module' {
  import type { PurzoModule } from './model';
  export default function createPurzoModule(options?: object): Promise<PurzoModule>;
}
declare const PURZO_CACHE: string;
declare const PURZO_FILES: string[];
